#!/usr/bin/env bash
# Tools > Find in files in the real editor, driven from outside: a search
# over a folder of our own, Goto on the first result, and the caret's line
# in the status pane.  The first file's long line must not shift the line.
. "$(dirname "$0")/lib.sh"
exe="$1"
poke="$2"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-fif.XXXXXX)
at_exit 'rm -rf "$dir"'
mkdir "$dir/src"
{
    printf '/* %s */\r\n' "$(head -c 1500 /dev/zero | tr '\0' 'x')"
    printf 'int a;\r\n\r\n\r\n\r\n\r\nint needle = 7;\r\n'
} >"$dir/src/a.c"
printf 'needle\n' >"$dir/src/b.c"
printf 'needle\n' >"$dir/src/c.h"
winpath="Z:${dir//\//\\}\\src"

start_program "$exe" /NOSPLASH
w=$(find_window '^Trelvan EDIT for Windows') || fail "no main window"
sleep 0.5
send_keys "$w" alt+t f
d=$(find_window '^File Search$' 10) || fail "Tools > Find in files showed no dialog"
sleep 0.3
xdotool type --delay 20 'needle'
# Search for, File spec, .C .CPP, .H, All, Directory
xdotool key --delay 50 Tab Tab Tab Tab Tab
xdotool type --delay 20 "$winpath"
xdotool key Return
r=$(find_window '^Search results$' 20) || fail "no results window"
sleep 0.5
send_keys "$r" Return # Goto on the first result
sleep 1.5
panes=$("$TV_LAUNCHER" --prefix "$TV_WINE_PREFIX" "$poke" status 2>/dev/null | tr -d '\r')
echo "status panes: $panes"
case "|$panes|" in
*"|000007|"*) ;;
*) fail "the caret is not on line 7 of a.c: $panes" ;;
esac
xdotool search --name "Trelvan EDIT for Windows - .*a\.c" >/dev/null || fail "a.c is not open"
echo "ok: find in files, Goto to line 7 of a.c"
