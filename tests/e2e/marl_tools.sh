#!/usr/bin/env bash
# A user tool from the profile, chosen on the Tools menu of the real editor
# with a file open at line 12, column 5: the program starts in the file's
# directory with its placeholders expanded (tool_probe records how).
. "$(dirname "$0")/lib.sh"
exe="$1"
probe="$2"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-tools.XXXXXX)
# This test writes the editor's profile: it runs in its own prefix copy.
cp -a "$TV_WINE_PREFIX" "$dir/prefix"
TV_WINE_PREFIX="$dir/prefix"
at_exit 'WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null; rm -rf "$dir"'
winpath() { echo "Z:${1//\//\\}"; }

mkdir "$dir/src"
for i in $(seq 20); do printf 'line %d\r\n' "$i"; done >"$dir/src/edit.c"
# Added to the test profile, which keeps the tip of the day off.
printf '[Tools]\r\nTools1=&1 Probe;%s;$FileName$ -l$Line$ -c$Col$;$FileDir$;0\r\n' \
    "$(winpath "$probe")" >>"$dir/prefix/drive_c/windows/marl.ini"
export TV_TOOL_PROBE_OUT
TV_TOOL_PROBE_OUT=$(winpath "$dir/probe.txt")

start_program "$exe" /NOSPLASH "$(winpath "$dir/src/edit.c")"
w=$(find_window '^Trelvan EDIT for Windows - .*edit.c') || fail "no window for edit.c"
sleep 0.5
send_keys "$w" ctrl+Home $(printf 'Down %.0s' $(seq 11)) Right Right Right Right
sleep 0.3
send_keys "$w" alt+t 1
for _ in $(seq 100); do [ -s "$dir/probe.txt" ] && break; sleep 0.1; done
[ -s "$dir/probe.txt" ] || fail "the tool did not start"
expected="$(winpath "$probe") edit.c -l12 -c5
$(winpath "$dir/src")"
got=$(tr -d '\r' <"$dir/probe.txt")
[ "$got" = "$expected" ] || fail "the tool was started as
$got
instead of
$expected"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
echo "ok: the Tools menu started the tool with the file's name, line and column"
