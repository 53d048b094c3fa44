# Sourced by the scripts here: install_missing PACKAGE... installs from Debian
# those of the packages that are not installed yet, waiting for a held package
# lock rather than failing on it; it fails when apt-get does.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update \
    && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 \
         "${missing[@]}"
}
