#!/bin/sh
# Checks that the program is one file: a Windows GUI program of the expected kind whose imports
# are all the system's own DLLs. check-exe.sh PROGRAM OBJDUMP FORMAT (pei-i386 or pei-x86-64)
set -e
exe=$1 objdump=$2 format=$3
"$objdump" -f "$exe" | grep -q "file format $format" || { echo "$exe: not $format"; exit 1; }
"$objdump" -p "$exe" | grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' || { echo "$exe: not a GUI program"; exit 1; }
for dll in $("$objdump" -p "$exe" | sed -n 's/.*DLL Name: //p' | tr A-Z a-z); do
  case $dll in
    kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|msvcrt.dll|comctl32.dll) echo "imports $dll" ;;
    *) echo "$exe: imports $dll, which Windows does not provide"; exit 1 ;;
  esac
done
