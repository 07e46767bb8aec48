#!/usr/bin/env bash
# The real marl.exe shows its main window and ends with exit code 0 on Alt+F4.
. "$(dirname "$0")/lib.sh"
exe="$1"
start_program "$exe"
w=$(find_window '^Trelvan EDIT for Windows') || fail "the main window did not appear"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end after Alt+F4"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE, expected 0"
echo "ok: marl.exe closed with exit code 0"
