#!/usr/bin/env bash
# The real setup.exe covers the screen with its backdrop colour, opens its
# Welcome page on it, and ends cleanly when the page is cancelled.
. "$(dirname "$0")/lib.sh"
exe="$1"
start_program "$exe"
find_window '^Trelvan Setup$' >/dev/null || fail "the setup window did not appear"
w=$(find_window '^Welcome$') || fail "the Welcome page did not appear"
sleep 0.5
c=$(pixel 1000 700)
[ "$c" = "0,128,128" ] || fail "backdrop pixel is ($c), expected (0,128,128)"
send_keys "$w" Escape
wait_exit $PROGRAM_PID || fail "setup.exe did not end after Cancel on the Welcome page"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE, expected 0"
echo "ok: backdrop (0,128,128), Welcome page, exit code 0"
