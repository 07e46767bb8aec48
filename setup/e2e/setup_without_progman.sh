#!/usr/bin/env bash
# Without a Program Manager the real setup.exe shows one "DdeClientTransaction
# Failed" box (titled "Error"), sends its item commands into the void and
# still ends with "Setup successfull".  Wine's shell answers "PROGMAN" itself,
# so the client is pointed at a service that nobody serves.
. "$(dirname "$0")/setup_lib.sh"

dist="$WORK/dist"
target="$WORK/target"
mkdir -p "$dist" "$target"
T=$(winpath "$target")
cp "$SETUP_EXE" "$dist/setup.exe"
cp "$APP_V2" "$dist/APP.EXE"
cat >"$dist/SETUP.INF" <<INF
[Application]
Title=Trelvan EDIT
Dir=$T
Group=Trelvan EDIT

[Files]
1=,APP.EXE,,,100,,1,1

[PROGMAN]
1=\$INSTDIR\\APP.EXE,Trelvan EDIT
2=\$INSTDIR\\APP.EXE,Second
INF

export TRELVAN_SETUP_PROGMAN_SERVICE=TVSETUPWNOBODY
start_setup
w=$(page Welcome)
send_keys "$w" Return
w=$(page "Choose Destination Location")
send_keys "$w" Return
w=$(page "Setup Type")
send_keys "$w" Return
e=$(message_box Error 60) || fail "no \"DdeClientTransaction Failed\" box"
send_keys "$e" Return
gone "$e"
b=$(message_box "Trelvan Setup" 30) || fail "no \"Setup successfull\" box"
message_box Error 0 >/dev/null && fail "a second \"Error\" box"
send_keys "$b" Return
wait_exit "$PROGRAM_PID" 30 || fail "setup.exe did not end after the success box"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
cmp -s "$APP_V2" "$target/APP.EXE" || fail "APP.EXE not installed"
echo "ok: one DDE failure box, then success"
