#!/bin/bash
# Runs a Windows test program on a fresh copy of the session's just-booted
# prefix (as wine-run.sh does with WINE_PRISTINE=1) that also has a diskette
# drive: A: is of type floppy (removable) and backed by an empty folder of
# its own. Both are in place before the prefix boots, when Wine's mount
# manager reads them.
set -uo pipefail

: "${WINEDEBUG:=-all}" "${WINEDLLOVERRIDES:=winemenubuilder.exe=d}"
export WINEDEBUG WINEDLLOVERRIDES
if [ -z "${WINEPRISTINE:-}" ]; then
  echo "with-diskette-drive.sh: no Wine session; start one with tests/harness/wine-session.sh" >&2
  exit 2
fi

scratch=$(mktemp -d "${WINEPRISTINE%/*}/diskette.XXXXXX")
cp -a "$WINEPRISTINE" "$scratch/prefix"
mkdir "$scratch/diskette"
ln -sfn "$scratch/diskette" "$scratch/prefix/dosdevices/a:"
printf '\n[Software\\\\Wine\\\\Drives]\n"a:"="floppy"\n' >>"$scratch/prefix/system.reg"

WINEPREFIX=$scratch/prefix /usr/lib/wine/wine64 "$@"
status=$?
WINEPREFIX=$scratch/prefix /usr/lib/wine/wineserver -k >/dev/null 2>&1
rm -rf "$scratch"
exit $status
