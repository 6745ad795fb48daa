#!/bin/bash
# Runs a Windows program of the build under the test run's Wine session
# (see wine-session.sh). With WINE_PRISTINE=1 in the environment the program
# gets a fresh copy of the just-booted prefix of its own, removed afterwards.
set -uo pipefail

: "${WINEDEBUG:=-all}" "${WINEDLLOVERRIDES:=winemenubuilder.exe=d}"
export WINEDEBUG WINEDLLOVERRIDES
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-run.sh: no Wine session; start one with tests/harness/wine-session.sh" >&2
  exit 2
fi

if [ "${WINE_PRISTINE:-0}" = 1 ]; then
  scratch=$(mktemp -d "${WINEPREFIX%/*}/pristine.XXXXXX")
  cp -a "$WINEPRISTINE" "$scratch/prefix"
  WINEPREFIX=$scratch/prefix /usr/lib/wine/wine64 "$@"
  status=$?
  WINEPREFIX=$scratch/prefix /usr/lib/wine/wineserver -k >/dev/null 2>&1
  rm -rf "$scratch"
  exit $status
fi
exec /usr/lib/wine/wine64 "$@"
