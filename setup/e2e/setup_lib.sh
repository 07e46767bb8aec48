# Shared parts of the installer's end-to-end tests: a distribution folder, a
# Wine prefix copy of the test's own, the recording Program Manager and the
# windows of the wizard.
. "$(dirname "${BASH_SOURCE[0]}")/../../tests/e2e/lib.sh"

SETUP_EXE="$1"
APP_V1="$2"
APP_V2="$3"
PROGMAN_EXE="$4"

WORK=$(mktemp -d /tmp/tv-setupw.XXXXXX)
# The Windows name of a path of this machine (Wine's Z: drive).
winpath() { echo "Z:${1//\//\\}"; }

# A prefix of the test's own: the installer writes into its system folder.
BASE_PREFIX="${TV_WINE_PREFIX:-$(dirname "$SETUP_EXE")/../wineprefix}"
"$TV_SOURCE_DIR/tools/wine-prefix" "$BASE_PREFIX" "$(. "$TV_SOURCE_DIR/tools/lib/pe.sh"; [ "$(pe_machine "$SETUP_EXE")" = x86_64 ] && echo win64 || echo win32)" || fail "no Wine prefix"
export TV_WINE_PREFIX="$WORK/prefix"
cp -a "$BASE_PREFIX" "$TV_WINE_PREFIX"
SYSDIR="$TV_WINE_PREFIX/drive_c/windows/system32"

PROGMAN_PID=""
cleanup() {
    end_program
    [ -n "$PROGMAN_PID" ] && kill "$PROGMAN_PID" 2>/dev/null
    WINEPREFIX="$TV_WINE_PREFIX" wineserver -k 2>/dev/null
    WINEPREFIX="$TV_WINE_PREFIX" wineserver -w 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# start_progman SERVICE RECORD: the recording Program Manager, up and serving.
start_progman() {
    "$TV_LAUNCHER" --prefix "$TV_WINE_PREFIX" "$PROGMAN_EXE" "$1" "$(winpath "$2")" >/dev/null 2>&1 &
    PROGMAN_PID=$!
    local deadline=$((SECONDS + 30))
    until grep -q '^ready$' "$2" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the test Program Manager did not start"
        sleep 0.2
    done
}

stop_progman() {
    touch "$1.stop"
    local deadline=$((SECONDS + 10))
    while kill -0 "$PROGMAN_PID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
}

# start_setup: setup.exe from the distribution folder, with the environment given.
start_setup() {
    start_program "$WORK/dist/setup.exe"
    trap cleanup EXIT
}

# page TITLE: the window id of a visible page (or box) with that exact title.
page() {
    find_window "^$1\$" "${2:-30}" || fail "\"$1\" did not appear"
}

# message_box TITLE [SECONDS]: a visible box of that title that is not the
# full-screen backdrop.
message_box() {
    local deadline=$((SECONDS + ${2:-30})) w width
    while [ $SECONDS -lt $deadline ]; do
        for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            width=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            if [ -n "$width" ] && [ "$width" -lt 900 ]; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

# gone WINDOW: waits until the window is no longer shown.
gone() {
    local deadline=$((SECONDS + 10))
    while xdotool getwindowname "$1" >/dev/null 2>&1 && \
          xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; do
        [ $SECONDS -lt $deadline ] || fail "window $1 did not close"
        sleep 0.1
    done
}

# shot NAME: a screenshot into $SETUPW_SHOTS when the caller asks for them.
shot() {
    [ -n "${SETUPW_SHOTS:-}" ] || return 0
    sleep 0.4
    import -window root "$SETUPW_SHOTS/setup-$1.png"
}
