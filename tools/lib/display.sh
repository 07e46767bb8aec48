# Shared by the launcher scripts: make sure there is an X display.
# start_own_display: when DISPLAY is unset, starts Xvfb on a free display
# number and exports DISPLAY; TV_OWN_XVFB_PID is set to the server we started.
TV_OWN_XVFB_PID=""

# start_xvfb: starts an Xvfb on a free display number; sets XVFB_PID and
# XVFB_DISPLAY (":N").
start_xvfb() {
    XVFB_PID=""
    XVFB_DISPLAY=""
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "error: no DISPLAY and Xvfb is not installed (run tools/bootstrap)" >&2
        return 1
    fi
    local fifo dir num
    dir=$(mktemp -d)
    fifo="$dir/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    if ! read -r -t 20 num <"$fifo"; then
        echo "error: Xvfb did not start" >&2
        kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
        rm -rf "$dir"
        return 1
    fi
    rm -rf "$dir"
    XVFB_DISPLAY=":$num"
}

start_own_display() {
    if [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    start_xvfb || return 1
    TV_OWN_XVFB_PID=$XVFB_PID
    export DISPLAY="$XVFB_DISPLAY"
}

stop_own_display() {
    if [ -n "$TV_OWN_XVFB_PID" ]; then
        kill "$TV_OWN_XVFB_PID" 2>/dev/null
        wait "$TV_OWN_XVFB_PID" 2>/dev/null
        TV_OWN_XVFB_PID=""
    fi
}
