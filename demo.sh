#!/bin/bash
# Builds setup.exe and runs it under Wine on a private display, the way a user
# starts it from the medium. Extra arguments go to setup.exe (e.g. /U or /B).
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

echo "== running setup.exe $*"
set +e
/usr/lib/wine/wine64 build/w64/bin/setup.exe "$@"
code=$?
set -e
echo "setup.exe ended with exit code $code"
