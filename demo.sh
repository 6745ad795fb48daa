#!/bin/bash
# Builds setup.exe and runs it under Wine on a private X display, the way a
# user starts it from the medium: first interactively (a screenshot of what it
# shows goes to build/demo/), then unattended (/B) through to its end.
# Extra arguments go to setup.exe (e.g. /U or /D:dir).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
mkdir -p build
scripts/build.sh w64 setup >build/demo-build.log 2>&1 || { tail -n 60 build/demo-build.log; exit 1; }

demo=build/demo
tests/harness/wine-session.sh start "$demo"
trap 'tests/harness/wine-session.sh stop "$demo"' EXIT
# shellcheck disable=SC1091
source "$demo/wine-session.env"
setup=build/w64/bin/setup.exe

echo "== setup.exe $* (interactive)"
/usr/lib/wine/wine64 "$setup" "$@" &
pid=$!
sleep 6
import -display "$DISPLAY" -window root "$demo/interactive.png"
echo "what it shows: $demo/interactive.png"
kill "$pid" 2>/dev/null || true
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
wait "$pid" 2>/dev/null || true
/usr/lib/wine/wineserver -p >/dev/null 2>&1

echo "== setup.exe /B $* (unattended)"
set +e
timeout 120 /usr/lib/wine/wine64 "$setup" /B "$@"
code=$?
set -e
echo "setup.exe ended with exit code $code"
