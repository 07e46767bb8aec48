#!/usr/bin/env bash
# A DDE "open(...)" request from a second process opens a file in the running
# editor; a string without ")" is not handled.
. "$(dirname "$0")/lib.sh"
exe="$1"
client="$2"
dir=$(mktemp -d /tmp/tv-dde.XXXXXX)
printf 'int x;\r\n' >"$dir/ddeopen.c"
start_program "$exe" /NOSPLASH
w=$(find_window '^Trelvan EDIT for Windows') || fail "the main window did not appear"
winpath="Z:${dir//\//\\}\\ddeopen.c"
"$TV_LAUNCHER" ${TV_WINE_PREFIX:+--prefix "$TV_WINE_PREFIX"} "$client" marl "open($winpath" >/dev/null 2>&1 &&
    fail "a request without ')' was handled"
"$TV_LAUNCHER" ${TV_WINE_PREFIX:+--prefix "$TV_WINE_PREFIX"} "$client" marl "open($winpath)" ||
    fail "the open request was not handled"
find_window '^Trelvan EDIT for Windows - .*ddeopen.c$' 15 >/dev/null ||
    fail "the file did not open: $(xdotool getwindowname "$w")"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
rm -rf "$dir"
echo "ok: DDE open request handled"
