#!/usr/bin/env bash
# check_pe.sh PROGRAM.exe MACHINE OBJDUMP [large-address-aware]: the program is
# a Windows GUI program for MACHINE (i386 or x86_64) that imports only Windows
# system DLLs, and with the last word may use addresses above 2 GB.
set -u
exe="$1" machine="$2" objdump="$3" large="${4:-}"
. "$(dirname "$0")/../tools/lib/pe.sh"
got=$(pe_machine "$exe") || { echo "FAIL: $exe is not a PE file"; exit 1; }
[ "$got" = "$machine" ] || { echo "FAIL: $exe is $got, expected $machine"; exit 1; }
system='^(kernel32|user32|gdi32|comctl32|comdlg32|winspool\.drv|version|ole32|oleaut32|shell32|advapi32|msvcrt|imm32|shlwapi|winmm|mpr|msimg32)\.dll$'
bad=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | grep -v -E "$system")
if [ -n "$bad" ]; then
    echo "FAIL: $exe imports non-system DLLs: $bad"
    exit 1
fi
subsystem=$("$objdump" -p "$exe" | sed -n 's/^Subsystem\s*//p')
case "$subsystem" in
    *"Windows GUI"*) ;;
    *) echo "FAIL: $exe subsystem is '$subsystem', expected Windows GUI"; exit 1 ;;
esac
if [ -n "$large" ] && ! "$objdump" -p "$exe" | grep -q '^\s*large address aware$'; then
    echo "FAIL: $exe is not large address aware"
    exit 1
fi
echo "ok: $exe is $machine, GUI, imports only system DLLs${large:+, large address aware}"
