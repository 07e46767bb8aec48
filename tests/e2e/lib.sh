# Helpers of the end-to-end tests: start a program of the build under the
# launcher and drive its windows from outside with xdotool.
set -u
TV_SOURCE_DIR="${TV_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
TV_LAUNCHER="$TV_SOURCE_DIR/tools/wine-run"

PROGRAM_PID=""
TV_AT_EXIT=""

# at_exit COMMAND: runs COMMAND when the script ends, after its program.
at_exit() {
    TV_AT_EXIT="$TV_AT_EXIT$1
"
    trap 'tv_exit' EXIT
}

tv_exit() {
    end_program
    eval "$TV_AT_EXIT"
}

# start_program PROGRAM.exe [ARGS...]: starts it under the launcher in the
# background (PROGRAM_PID); it is ended when the test script exits, passed or
# not, so that a failing test never leaves a program behind.
start_program() {
    local log
    [ -n "${TV_KEEP_DESKTOP:-}" ] || forget_desktop
    log=$(mktemp /tmp/tv-e2e.XXXXXX)
    "$TV_LAUNCHER" ${TV_WINE_PREFIX:+--prefix "$TV_WINE_PREFIX"} "$@" >"$log" 2>&1 &
    PROGRAM_PID=$!
    trap 'tv_exit' EXIT
}

# forget_desktop: the editor brings back the files of its last run; a test
# starts without them (the files of an earlier test may be gone) unless it
# sets TV_KEEP_DESKTOP.
forget_desktop() {
    local ini
    for ini in "${TV_WINE_PREFIX:-/nonexistent}/drive_c/windows/"[mM][aA][rR][lL].[iI][nN][iI]; do
        [ -f "$ini" ] && sed -i '/^[zZ][oO][rR][dD][eE][rR]=/d' "$ini"
    done
    return 0
}

end_program() {
    if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null
        [ -n "${TV_WINE_PREFIX:-}" ] && WINEPREFIX="$TV_WINE_PREFIX" wineserver -k 2>/dev/null
    fi
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# save_and_exit WINDOW: Ctrl+S, then Alt+F4; the program must end with 0.
save_and_exit() {
    send_keys "$1" ctrl+s
    sleep 1
    send_keys "$1" alt+F4
    wait_exit $PROGRAM_PID || fail "marl.exe did not end after saving"
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
}

# expect_file PATH BYTES: the file holds exactly BYTES (printf format).
expect_file() {
    cmp -s "$1" <(printf "$2") || {
        od -c "$1" | head -20 >&2
        fail "$1 does not hold the expected text"
    }
}

# find_window TITLE-REGEX [SECONDS]: prints the X window id of a visible window.
find_window() {
    local deadline=$((SECONDS + ${2:-30})) w
    while [ $SECONDS -lt $deadline ]; do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# send_keys WINDOW KEYS...: focuses the window, then types the key chords.
send_keys() {
    local w="$1"
    shift
    xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
    sleep 0.3
    xdotool key --delay 50 "$@"
}

# wait_exit PID [SECONDS]: waits for the program (a child of this shell) and
# sets EXIT_CODE; false when it did not end in time.
wait_exit() {
    local pid="$1" deadline=$((SECONDS + ${2:-30}))
    while kill -0 "$pid" 2>/dev/null; do
        if [ $SECONDS -ge $deadline ]; then
            kill "$pid" 2>/dev/null
            return 1
        fi
        sleep 0.2
    done
    wait "$pid"
    EXIT_CODE=$?
}

# pixel X Y: the colour of a screen pixel as "r,g,b" (0-255).
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
