#!/usr/bin/env bash
# The real setup.exe covers the screen with its backdrop colour and closes cleanly.
. "$(dirname "$0")/lib.sh"
exe="$1"
start_program "$exe"
w=$(find_window '^Trelvan Setup$') || fail "the setup window did not appear"
sleep 0.5
c=$(pixel 1000 700)
[ "$c" = "0,128,128" ] || fail "backdrop pixel is ($c), expected (0,128,128)"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "setup.exe did not end after Alt+F4"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE, expected 0"
echo "ok: backdrop (0,128,128), exit code 0"
