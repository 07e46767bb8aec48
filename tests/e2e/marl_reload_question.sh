#!/usr/bin/env bash
# A file changed on disk behind the editor's back: when the program is
# activated again it asks whether to reload it.
. "$(dirname "$0")/lib.sh"
exe="$1"
poke="$2"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-reload.XXXXXX)
printf 'old\r\n' >"$dir/changed.c"
touch -d '2020-01-01 12:00:00' "$dir/changed.c"
start_program "$exe" /NOSPLASH "Z:${dir//\//\\}\\changed.c"
w=$(find_window '^Trelvan EDIT for Windows') || fail "the main window did not appear"
sleep 1
printf 'new text\r\n' >"$dir/changed.c"
"$TV_LAUNCHER" --prefix "$TV_WINE_PREFIX" "$poke" activate || fail "no main window to poke"
box=$(find_window '^Trelvan EDIT for Windows$' 15) || fail "no reload question"
send_keys "$box" y
sleep 1
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
rm -rf "$dir"
echo "ok: the reload question came on activation"
