#!/usr/bin/env bash
# Automatic saving protects unsaved work: with AutoSave on and Intervall 2,
# the second minute tick writes MAIN.~C beside MAIN.C; after the editor dies
# without saving, opening MAIN.C again offers the copy and Yes loads it.
. "$(dirname "$0")/lib.sh"
exe="$1"
poke="$2"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-autosave.XXXXXX)
# This test writes the editor's profile: it runs in its own prefix copy.
cp -a "$TV_WINE_PREFIX" "$dir/prefix"
TV_WINE_PREFIX="$dir/prefix"
at_exit 'WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null; rm -rf "$dir"'
rm -f "$dir/prefix/drive_c/windows/"[mM][aA][rR][lL].[iI][nN][iI]
printf '[Options]\r\nAutoSave=1\r\nIntervall=2\r\n[Tips]\r\nShow=0\r\n' >"$dir/prefix/drive_c/windows/marl.ini"
printf 'int a;\r\n' >"$dir/MAIN.C"
file="Z:${dir//\//\\}\\MAIN.C"

tick() { "$TV_LAUNCHER" --prefix "$TV_WINE_PREFIX" "$poke" timer || fail "no main window to poke"; }

start_program "$exe" /NOSPLASH "$file"
w=$(find_window '^Trelvan EDIT for Windows - .*MAIN.C') || fail "the main window did not appear"
sleep 0.5
send_keys "$w" x
sleep 0.5
tick
sleep 0.5
[ -e "$dir/MAIN.~C" ] && fail "a copy was written after one minute of two"
tick
for _ in $(seq 50); do [ -s "$dir/MAIN.~C" ] && break; sleep 0.1; done
cmp -s "$dir/MAIN.~C" <(printf 'xint a;\r\n') || fail "MAIN.~C does not hold the typed text"
cmp -s "$dir/MAIN.C" <(printf 'int a;\r\n') || fail "the automatic save touched MAIN.C itself"

# The editor dies without saving; the copy stays behind.
kill "$PROGRAM_PID"
WINEPREFIX="$TV_WINE_PREFIX" wineserver -k 2>/dev/null
wait "$PROGRAM_PID" 2>/dev/null
[ -e "$dir/MAIN.~C" ] || fail "the copy went with the editor"

start_program "$exe" /NOSPLASH "$file"
box=$(find_window '^Trelvan EDIT for Windows$' 30) || fail "no question about the temporary copy"
send_keys "$box" y
w=$(find_window '^Trelvan EDIT for Windows - .*MAIN.C') || fail "MAIN.C did not open after the question"
cmp -s "$dir/MAIN.C" <(printf 'xint a;\r\n') || fail "Yes did not put the copy in place of MAIN.C"
[ -e "$dir/MAIN.~C" ] && fail "the copy is still there after it was loaded"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
echo "ok: the automatic save wrote MAIN.~C and the next start offered it back"
