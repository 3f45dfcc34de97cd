#!/usr/bin/env bash
# Checks that Windows programs import nothing but Windows' own DLLs, so that
# they run on a bare Windows (no compiler runtime DLL beside them).
#   check-imports.sh OBJDUMP PROGRAM.exe...
set -eu
objdump=$1
shift
system="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll
ole32.dll shell32.dll user32.dll winspool.drv"
status=0
for program in "$@"; do
    names=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$names" ] || { echo "$program: no imports found" >&2; status=1; }
    for name in $names; do
        lower=$(echo "$name" | tr '[:upper:]' '[:lower:]')
        case " $(echo $system) " in
            *" $lower "*) ;;
            *) echo "$program imports $name, which is not part of Windows" >&2; status=1 ;;
        esac
    done
    echo "$program: $(echo $names) ($(stat -c %s "$program") bytes)"
done
exit $status
