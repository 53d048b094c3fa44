# Sourced by the scripts here: install_missing PACKAGE... installs from Debian
# those of the packages that are not installed yet, waiting for a held package
# lock rather than failing on it; it fails when apt-get does.
# derive_source_lists DIR writes the machine's package sources as source
# entries under DIR (tests/scripts/derive_source_lists_test.sh).
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

# The machine's configured sources as source entries: every "deb" entry of its
# one-line list and its parts folder (".list" one-line, ".sources" deb822,
# as APT reads them) as the same entry of type "deb-src", into a list and a
# parts folder of our own under $1. Fails when the machine has no "deb" entry.
derive_source_lists() {
  local dest=$1 list parts file
  eval "$(apt-config shell list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"
  mkdir -p "$dest/sources.list.d"
  : > "$dest/sources.list"
  rm -f "$dest"/sources.list.d/*
  for file in "$list" "$parts"*.list; do
    [ -f "$file" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >> "$dest/sources.list"
  done
  for file in "$parts"*.sources; do
    [ -f "$file" ] || continue
    deb822_to_source "$file" > "$dest/sources.list.d/$(basename "$file")"
  done
  if ! grep -qs '' "$dest/sources.list" "$dest"/sources.list.d/*.sources; then
    echo "no \"deb\" entry in the machine's package sources ($list, $parts) to take xerces-c's source from" >&2
    return 1
  fi
}

# The stanzas of a deb822 file whose Types hold "deb" and that are not
# disabled, with Types "deb-src"; comments dropped.
deb822_to_source() {
  awk '
    function flush() {
      if (n > 0 && deb && enabled) { for (i = 1; i <= n; i++) print lines[i]; print "" }
      n = 0; deb = 0; enabled = 1
    }
    BEGIN { n = 0; deb = 0; enabled = 1 }
    /^[[:space:]]*$/ { flush(); next }
    /^#/ { next }
    {
      line = $0
      if (tolower($1) == "types:") {
        for (i = 2; i <= NF; i++) if ($i == "deb") deb = 1
        line = "Types: deb-src"
      } else if (tolower($1) == "enabled:" && tolower($2) == "no") {
        enabled = 0
      }
      lines[++n] = line
    }
    END { flush() }
  ' "$1"
}
