#!/bin/bash
# Fails when a Windows program imports a DLL that a fresh Windows (or Wine)
# does not have: everything else must be linked statically.
set -euo pipefail
program=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll version.dll ws2_32.dll "
status=0
for dll in $("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  case $system_dlls in
    *" $dll "*) echo "ok: $dll" ;;
    *) echo "not a system DLL: $dll" >&2; status=1 ;;
  esac
done
exit $status
