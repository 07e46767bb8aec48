#!/usr/bin/env bash
# A keyboard macro in the real editor, typed from outside: record ";" at the
# end of a line and a move down, play it five times, save; then save the
# macro, start again, load it and play it on another file.
. "$(dirname "$0")/lib.sh"
exe="$1"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-macro.XXXXXX)
at_exit 'rm -rf "$dir"'
lines='int a\r\nint b\r\nint c\r\nint d\r\nint e\r\nint f\r\nint g\r\n'
printf "$lines" >"$dir/one.c"
printf "$lines" >"$dir/two.c"
expected='int a;\r\nint b;\r\nint c;\r\nint d;\r\nint e;\r\nint f;\r\nint g\r\n'
winpath() { echo "Z:${dir//\//\\}\\$1"; }

# open FILE: starts the editor on FILE; W is its window.
open() {
    start_program "$exe" /NOSPLASH "$(winpath "$1")"
    W=$(find_window "^Trelvan EDIT for Windows - .*$1") || fail "no window for $1"
    sleep 0.5
}

# play N: F12 N times, each after the last replay ended.
play() {
    for _ in $(seq "$1"); do
        send_keys "$W" F12
        sleep 0.6
    done
}

# dialog TITLE FILE: types the path of FILE into the file dialog TITLE.
dialog() {
    local d
    d=$(find_window "^$1\$" 10) || fail "no dialog \"$1\""
    sleep 0.3
    xdotool type --delay 20 "$(winpath "$2")"
    xdotool key Return
    sleep 0.5
}

close() {
    send_keys "$W" ctrl+s
    sleep 0.5
    send_keys "$W" alt+F4
    wait_exit $PROGRAM_PID || fail "marl.exe did not end"
}

expect() { expect_file "$dir/$1" "$expected"; }

open one.c
send_keys "$W" F11 End semicolon Down F11
sleep 0.3
play 5
send_keys "$W" alt+m v
dialog "Save Macro as" semi.mac
close
expect one.c
size=$(stat -c %s "$dir/semi.mac")
[ "$size" -gt 0 ] && [ $((size % 20)) = 0 ] || fail "semi.mac holds $size bytes"

open two.c
send_keys "$W" alt+m l
dialog "Load Macro" semi.mac
play 6
close
expect two.c

echo "ok: a macro played five times, saved, loaded in a new run and played again"
