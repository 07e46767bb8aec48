#!/usr/bin/env bash
# The distribution as a user receives it (build/<preset>/dist): setup.exe
# installs the editor into the directory the user types, creates the Program
# Manager group with the editor's item and starts nothing; the installed
# editor then shows a tip from its own MARL.TIP, opens the file it is given
# and outlines it with the installed outliner.
# SETUPW_SHOTS=DIR keeps screenshots of the pages and the tip.
. "$(dirname "$0")/../../setup/e2e/setup_lib.sh"

from="${TV_BUILD_DIR:?the test runs under ctest}/dist"
[ -f "$from/SETUP.INF" ] || fail "no distribution in $from: build the dist target"
# Not there yet: the installer makes it.  (Its name in capitals: the installer
# creates the directory under its upper-case name, which on Linux is another one.)
target="$WORK/TRELVAN"
T=$(winpath "$target")
mkdir -p "$WORK/dist"
cp "$from"/* "$WORK/dist/"

export TRELVAN_SETUP_PROGMAN_SERVICE=TVDISTPM
start_progman "$TRELVAN_SETUP_PROGMAN_SERVICE" "$WORK/dde.txt"
start_setup
w=$(page Welcome)
send_keys "$w" Return
w=$(page "Choose Destination Location")
# From "Next >" back over "< Back" to "Change...".
send_keys "$w" shift+Tab shift+Tab space
c=$(page "Destination Directory")
send_keys "$c" ctrl+a
xdotool type --delay 20 "$T"
xdotool key Return
gone "$c"
send_keys "$w" Tab Tab Return
w=$(page "Setup Type"); shot dist-setuptype
send_keys "$w" Return
b=$(message_box "Trelvan Setup" 120) || fail "no \"Setup successfull\" box"
shot dist-box
send_keys "$b" Return
wait_exit "$PROGRAM_PID" 30 || fail "setup.exe did not end after the success box"
[ "$EXIT_CODE" = 0 ] || fail "setup.exe exit code $EXIT_CODE"
stop_progman "$WORK/dde.txt"
xdotool search --onlyvisible --name '^Trelvan EDIT for Windows' >/dev/null 2>&1 &&
    fail "setup started the editor"

for f in "$from"/*; do
    name=$(basename "$f")
    [ "$name" = setup.exe ] || [ "$name" = SETUP.INF ] && continue
    cmp -s "$f" "$target/$name" || fail "$name was not installed"
done
grep -q 'MARL.EXE' "$target/SETUP.LOG" || fail "SETUP.LOG: $(cat "$target/SETUP.LOG" 2>/dev/null)"
cat >"$WORK/dde.expected" <<DDE
ready
[CreateGroup(Trelvan EDIT)]<0>
[ShowGroup(Trelvan EDIT,1)]
[ReplaceItem("Trelvan EDIT")]<0>
[AddItem("$T\\MARL.EXE","Trelvan EDIT",$T\\MARL.EXE,0,,,$T)]<0>
DDE
diff "$WORK/dde.expected" "$WORK/dde.txt" >&2 || fail "Program Manager commands differ"

# The script's profile entries: our outliner for C and C++ files.
ini="$TV_WINE_PREFIX/drive_c/windows"
profile=$(ls "$ini/"[mM][aA][rR][lL].[iI][nN][iI] 2>/dev/null | head -n 1)
[ -n "$profile" ] || fail "setup wrote no editor profile"
tr -d '\r' <"$profile" | grep -qx 'C=FUNCLIST.DLL' || fail "no outliner entry: $(cat "$profile")"
# The installed editor, with the tips turned on as a fresh profile has them.
tr -d '\r' <"$profile" | grep -v '^\[Tips\]\|^Show=' | sed 's/$/\r/' >"$WORK/profile"
printf '[Tips]\r\nShow=1\r\n' >>"$WORK/profile"
rm -f "$ini/"[mM][aA][rR][lL].[iI][nN][iI]
mv "$WORK/profile" "$ini/marl.ini"
printf 'int main(void)\r\n{\r\n}\r\n' >"$WORK/hello.c"
start_program "$target/MARL.EXE" /NOSPLASH "$(winpath "$WORK/hello.c")"
tip=$(page "Tips and Tricks") || fail "no tip at start-up"
if [ -n "${SETUPW_SHOTS:-}" ]; then
    sleep 0.5
    import -window root "$SETUPW_SHOTS/tip-dialog.png"
fi
send_keys "$tip" Return
gone "$tip"
w=$(find_window '^Trelvan EDIT for Windows - .*hello.c') || fail "hello.c was not opened"
# The installed outliner, found beside the installed program.
send_keys "$w" ctrl+w
find_window '^Outline - hello\.c$' 10 >/dev/null || fail "Ctrl+W showed no outline window"
send_keys "$w" alt+F4
wait_exit "$PROGRAM_PID" 30 || fail "the installed editor did not end"
[ "$EXIT_CODE" = 0 ] || fail "editor exit code $EXIT_CODE"
# The tip came from the installed file: the position is now after its first line.
first=$(head -n 1 "$target/MARL.TIP" | wc -c)
grep -q "^LastPos=$first" "$ini/marl.ini" || fail "LastPos is not $first: $(cat "$ini/marl.ini")"
grep -q '^Show=1' "$ini/marl.ini" || fail "Show changed: $(cat "$ini/marl.ini")"
echo "ok: installed from the distribution, group created, tip shown, file opened"
