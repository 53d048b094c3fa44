#!/usr/bin/env bash
# derive_source_lists (scripts/packages.sh) on machine configurations made here:
# each case's one-line list and deb822 file against the source entries it must
# give ("list|deb822"), or against the failure when nothing can serve.
#   derive_source_lists_test.sh SOURCE_DIR
set -euo pipefail
command -v apt-config > /dev/null || { echo "no apt-config here"; exit 77; }
source "$1/scripts/packages.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

check() {
  local name=$1 list=$2 sources=$3 expected=$4 dir=$work/$1 got
  mkdir -p "$dir/parts"
  printf '%b' "$list" > "$dir/list"
  [ -z "$sources" ] || printf '%b' "$sources" > "$dir/parts/machine.sources"
  printf 'Dir::Etc::sourcelist "%s";\nDir::Etc::sourceparts "%s";\n' "$dir/list" "$dir/parts" > "$dir/apt.conf"
  if APT_CONFIG=$dir/apt.conf derive_source_lists "$dir/out" 2> "$dir/err"; then
    got="$(cat "$dir/out/sources.list")|$(cat "$dir"/out/sources.list.d/*.sources 2> /dev/null || true)"
  else
    got="failed: $(cut -d'(' -f1 "$dir/err")"
  fi
  if [ "$got" != "$expected" ]; then
    printf '%s: got\n%s\nexpected\n%s\n' "$name" "$got" "$expected"
    failures=$((failures + 1))
  fi
}

check oneLine 'deb [signed-by=/k.gpg] http://m.example/debian bookworm main\n# deb http://x.example y z\ndeb-src http://a.example b c\n' '' \
  'deb-src [signed-by=/k.gpg] http://m.example/debian bookworm main|'
check deb822 '' 'Types: deb deb-src\n# mirror\nURIs: http://m.example/debian\nSuites: bookworm\nComponents: main\n\nTypes: deb\nEnabled: no\nURIs: http://n.example\nSuites: s\nComponents: main\n' \
  '|Types: deb-src
URIs: http://m.example/debian
Suites: bookworm
Components: main'
check sourcesOnly '' 'Types: deb-src\nURIs: http://m.example/debian\nSuites: bookworm\nComponents: main\n' \
  "failed: no \"deb\" entry in the machine's package sources "
check nothing '' '' "failed: no \"deb\" entry in the machine's package sources "

[ "$failures" -eq 0 ] && echo "derive_source_lists: all cases pass"
exit "$failures"
