#!/usr/bin/env bash
# Dragging selected text with the real mouse in the real editor: a plain drag
# moves the line, a drag with Ctrl held copies it; the saved file shows both.
. "$(dirname "$0")/lib.sh"
exe="$1"
poke="$2"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-drag.XXXXXX)
at_exit 'rm -rf "$dir"'
printf 'first\r\nsecond\r\nthird\r\n' >"$dir/drag.txt"
start_program "$exe" /NOSPLASH "Z:${dir//\//\\}\\drag.txt"
w=$(find_window '^Trelvan EDIT for Windows - .*drag.txt') || fail "the main window did not appear"
sleep 0.5
send_keys "$w" shift+Down
read -r x y < <("$TV_LAUNCHER" --prefix "$TV_WINE_PREFIX" "$poke" origin | tr -d "\r")
[ -n "${y:-}" ] || fail "no focused window"
# The default font has 8-pixel cells and 15-pixel rows; one cell of margin.
row() { echo $((y + $1 * 15 + 7)); }
col() { echo $((x + 8 + $1 * 8 + 2)); }

# drag FROM-ROW TO-ROW: presses inside the selection and lets go at a line start.
drag() {
    xdotool mousemove "$(col 2)" "$(row "$1")" mousedown 1 sleep 0.3 \
        mousemove "$(col 3)" "$(row $(($1 + 1)))" sleep 0.3 \
        mousemove "$(col 0)" "$(row "$2")" sleep 0.3 \
        mousemove "$(col 0)" "$(row "$2")" sleep 0.3 mouseup 1
    sleep 0.5
}
drag 0 2
xdotool keydown ctrl
drag 1 3
xdotool keyup ctrl
send_keys "$w" ctrl+s
sleep 1
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
cmp -s "$dir/drag.txt" <(printf 'second\r\nfirst\r\nthird\r\nfirst\r\n') || {
    od -c "$dir/drag.txt" >&2
    fail "the dragged line is not where it was dropped"
}
echo "ok: a drag moved the line and a Ctrl drag copied it"
