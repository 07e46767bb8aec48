#!/usr/bin/env bash
# The real setup.exe installs a small product from a distribution folder:
# Welcome, Destination (changed with Change...), Setup Type, Custom,
# Components with one component left out, then the install.  Checks the
# copied files, the version check, the read-only target, SETUP.LOG, the
# profile entries, the started program and the Program Manager commands.
. "$(dirname "$0")/setup_lib.sh"

dist="$WORK/dist"
target="$WORK/target"
mkdir -p "$dist" "$target"
T=$(winpath "$target")
cp "$SETUP_EXE" "$dist/setup.exe"
cp "$APP_V2" "$dist/APP.EXE"
cp "$APP_V1" "$dist/OLD.EXE"
echo "new readme" >"$dist/README.TXT"
echo "help text" >"$dist/HELP.TXT"
echo "shared library" >"$dist/SETUPWT.DLL"
echo "int main() {}" >"$dist/SAMPLE.C"
echo "extra" >"$dist/BIG.DAT"
big_size=1
if [ -n "${SETUPW_SHOTS:-}" ]; then
    # Only for the screenshots: a file slow enough to copy to see the bar halfway.
    head -c 300000000 /dev/urandom >"$dist/BIG.DAT" 2>/dev/null
    big_size=400
fi
# Already in place: a newer copy of OLD.EXE and a read-only README.TXT.
cp "$APP_V2" "$target/OLD.EXE"
echo "old readme" >"$target/README.TXT"
chmod a-w "$target/README.TXT"

cat >"$dist/SETUP.INF" <<INF
[Application]
Title=Trelvan EDIT
Dir=C:\\TRELVAN
Group=Trelvan EDIT
Typical=3
Minimal=2,3

[Options]
1=Program files
2=Documentation
3=Sample sources
4=Extras

[Files]
1=,APP.EXE,,,100,,1,1
2=,OLD.EXE,,,100,,1,1
3=,README.TXT,,,100,,2,1
4=,HELP.TXT,DOC,,100,,2,1
5=,SETUPWT.DLL,\$WINSYSTEM,,100,,1,0
6=,SAMPLE.C,,,100,,3,1
7=,BIG.DAT,,,$big_size,,4,0
8=,MISSING.TXT,,,1,,4,0

[Run]
1=1,\$INSTDIR,$T\\APP.EXE,$(winpath "$WORK/ran1.txt")
2=7,\$INSTDIR,$T\\APP.EXE,$(winpath "$WORK/ran2.txt")
3=0,\$WINDIR,$T\\APP.EXE,$(winpath "$WORK/ran3.txt")

[PROGMAN]
1=\$INSTDIR\\APP.EXE,Trelvan EDIT,\$INSTDIR\\APP.EXE,0,\$INSTDIR
2=\$INSTDIR\\DOC\\HELP.TXT,Help

[INI]
1=$T\\TRELVAN.INI,Settings,Editor,APP.EXE
2=TVSETUPW.INI,Install,Dir,done
INF

export TRELVAN_SETUP_PROGMAN_SERVICE=TVSETUPWPM
start_progman "$TRELVAN_SETUP_PROGMAN_SERVICE" "$WORK/dde.txt"
start_setup

w=$(page Welcome); shot welcome
send_keys "$w" Return
w=$(page "Choose Destination Location"); shot destination
# From "Next >" back over "< Back" to "Change...".
send_keys "$w" shift+Tab shift+Tab space
c=$(page "Destination Directory"); shot change
send_keys "$c" ctrl+a
xdotool type --delay 20 "$T"
xdotool key Return
gone "$c"
shot destination-changed
send_keys "$w" Tab Tab Return
w=$(page "Setup Type"); shot setuptype
# Over "< Back" to the checked radio button, then down to Custom.
send_keys "$w" shift+Tab shift+Tab Down Down Return
w=$(page "Select Components"); shot components
# Over "< Back" and box 4 to box 3, which is cleared.
send_keys "$w" shift+Tab shift+Tab shift+Tab space Return
if [ -n "${SETUPW_SHOTS:-}" ]; then
    for i in 1 2 3 4 5 6; do
        sleep 0.25
        import -window root "$SETUPW_SHOTS/setup-progress-$i.png"
    done
fi
b=$(message_box "Trelvan Setup" 60) || fail "no \"Setup successfull\" box"
shot done
send_keys "$b" Return
wait_exit "$PROGRAM_PID" 30 || fail "setup.exe did not end after the success box"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
stop_progman "$WORK/dde.txt"

same() { cmp -s "$1" "$2" || fail "$3"; }
same "$APP_V2" "$target/APP.EXE" "APP.EXE not installed"
same "$APP_V2" "$target/OLD.EXE" "the older OLD.EXE replaced the newer one"
[ "$(cat "$target/README.TXT")" = "new readme" ] || fail "the read-only README.TXT was not replaced"
[ -w "$target/README.TXT" ] || fail "README.TXT is still read-only"
[ -f "$target/DOC/HELP.TXT" ] || fail "HELP.TXT not in the subdirectory DOC"
[ -f "$SYSDIR/SETUPWT.DLL" ] || [ -f "$SYSDIR/setupwt.dll" ] || fail "SETUPWT.DLL not in the system directory"
[ ! -e "$target/SAMPLE.C" ] || fail "the cleared component was installed"
ls "$target" | grep -qi '\.tmp$' && fail "a temporary copy was left: $(ls "$target")"

U=$(echo "$T" | tr '[:lower:]' '[:upper:]')
printf '%s\r\n' "$U\\APP.EXE" "$U\\OLD.EXE" "$U\\README.TXT" >"$WORK/log.expected"
cmp -s "$WORK/log.expected" "$target/SETUP.LOG" || fail "SETUP.LOG: $(cat -A "$target/SETUP.LOG")"
printf '%s\r\n' "$U\\DOC\\HELP.TXT" >"$WORK/log.expected"
cmp -s "$WORK/log.expected" "$target/DOC/SETUP.LOG" || fail "DOC\\SETUP.LOG: $(cat -A "$target/DOC/SETUP.LOG")"

grep -q '^Editor=APP.EXE' "$target/TRELVAN.INI" || fail "TRELVAN.INI: $(cat "$target/TRELVAN.INI")"
grep -q '^Dir=done' "$TV_WINE_PREFIX/drive_c/windows/TVSETUPW.INI" || fail "no entry in the Windows directory's TVSETUPW.INI"

[ -f "$WORK/ran1.txt" ] || fail "the [Run] program of the installed APP.EXE did not start"
[ ! -e "$WORK/ran2.txt" ] || fail "the [Run] entry of the failed file was started"
grep -qi 'started in C:\\windows' "$WORK/ran3.txt" || fail "the [Run] program in \$WINDIR: $(cat "$WORK/ran3.txt" 2>/dev/null)"

cat >"$WORK/dde.expected" <<DDE
ready
[CreateGroup(Trelvan EDIT)]<0>
[ShowGroup(Trelvan EDIT,1)]
[ReplaceItem("Trelvan EDIT")]<0>
[AddItem("$T\\APP.EXE","Trelvan EDIT",$T\\APP.EXE,0,,,$T)]<0>
[ReplaceItem("Help")]<0>
[AddItem("$T\\DOC\\HELP.TXT","Help",,0,,,)]<0>
DDE
diff "$WORK/dde.expected" "$WORK/dde.txt" >&2 || fail "Program Manager commands differ"
echo "ok: installed, versions kept, log, profile, run, Program Manager"
