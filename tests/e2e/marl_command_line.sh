#!/usr/bin/env bash
# The command line: "/sproject.set /e" makes one new document; a path holding
# "/p" (c:\tmp/p.txt style) opens the file without print mode and the window
# shows; the shell registration is written at start.
. "$(dirname "$0")/lib.sh"
exe="$1"
# The prefix's own reg.exe reads the registry back.
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
reg() {
    "$TV_LAUNCHER" --prefix "$TV_WINE_PREFIX" "$TV_WINE_PREFIX/drive_c/windows/system32/reg.exe" \
        "$@" 2>/dev/null | tr -d '\r'
}

start_program "$exe" /sproject.set /e
w=$(find_window '^Trelvan EDIT for Windows - (Marl1|Untitled)$') || fail "no new document for /e"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"

dir=$(mktemp -d /tmp/tv-cmd.XXXXXX)
printf 'text\r\n' >"$dir/p.txt"
start_program "$exe" "Z:${dir//\//\\}/p.txt"
w=$(find_window '^Trelvan EDIT for Windows - .*p.txt$') || fail "the file with /p in its path did not open"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
rm -rf "$dir"

exe_win=$(reg query 'HKCR\textfile\shell\open\command' /ve)
echo "$exe_win" | grep -q 'marl.exe %1' || fail "open command not registered: $exe_win"
reg query 'HKCR\textfile\shell\print\command' /ve | grep -q 'marl.exe /p %1' || fail "print command not registered"
reg query 'HKCR\textfile\shell\open\ddeexec' /ve | grep -q 'open(%1)' || fail "ddeexec not registered"
reg query 'HKCR\textfile\shell\open\ddeexec\application' /ve | grep -q 'marl' || fail "DDE service not registered"
reg query 'HKCR\textfile' /ve | grep -q 'Trelvan EDIT' || fail "textfile not registered"
echo "ok: command line and shell registration"
