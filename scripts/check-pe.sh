#!/usr/bin/env bash
# Checks that an executable is a 32-bit Windows GUI program that needs no DLL beyond the system's.
set -euo pipefail
exe=$1
objdump=i686-w64-mingw32-objdump
info=$(file -b "$exe")
case "$info" in
  "PE32 executable (GUI) Intel 80386"*) ;;
  *) echo "$exe is not a 32-bit GUI PE: $info" >&2; exit 1 ;;
esac
dlls=$($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
system='^(kernel32|user32|gdi32|msimg32|ole32|comctl32|advapi32|shell32|msvcrt|version)\.dll$'
bad=$(printf '%s\n' "$dlls" | grep -Ev "$system" || true)
if [ -n "$bad" ]; then
  echo "$exe needs DLLs that are not part of Windows: $bad" >&2
  exit 1
fi
echo "$exe: $info; imports $(printf '%s ' $dlls)"
