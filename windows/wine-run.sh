#!/usr/bin/env bash
# Runs a Windows program under wine64 (never the 32-bit loader): headless,
# quiet, arguments taken as UTF-8, in the project's own prefix, which is made
# on first use. CTest uses this as the x86_64 build's emulator.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver

mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/.tesvant-ready" ]; then
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tesvant-ready" ]; then
      "$wine" wineboot -i > /dev/null 2>&1
      "$server" -w
      touch "$WINEPREFIX/.tesvant-ready"
    fi
  ) 9> "$WINEPREFIX.lock"
fi
# One server for a run of programs: starting it for each would cost seconds.
# It ends by itself a minute after the last program (or by "wineserver -k").
# A new server's own services are started here, apart from our output, which
# they would otherwise hold open (and a caller wait on) for the server's life.
if "$server" -p60 < /dev/null > /dev/null 2>&1; then
  "$wine" cmd /c exit < /dev/null > /dev/null 2>&1 || true
fi
exec "$wine" "$@"
