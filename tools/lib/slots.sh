# Windows tests in parallel: run-tests gives ctest a resource file of
# "displays", one slot per Xvfb it started (TV_SLOT_DISPLAYS lists them, slot 0
# first), and a copy of the test prefix per slot (PREFIX.slotN).  ctest hands
# each Windows test one slot, so no two tests share a display, its focus, a
# wineserver or its foreground window.  Without that file every test runs in
# the caller's display and prefix, as before.

# enter_slot PREFIX: sets SLOT_PREFIX to the prefix this test is to use and,
# when ctest gave it a slot that no enclosing launcher has entered yet,
# exports DISPLAY and TV_WINE_SLOT for it.
enter_slot() {
    SLOT_PREFIX="$1"
    [ -z "${TV_WINE_SLOT:-}" ] || return 0
    local group="${CTEST_RESOURCE_GROUP_0_DISPLAYS:-}" id displays
    [ -n "$group" ] && [ -n "${TV_SLOT_DISPLAYS:-}" ] || return 0
    id=${group#id:}
    id=${id%%,*}
    read -r -a displays <<<"$TV_SLOT_DISPLAYS"
    if ! [[ "$id" =~ ^[0-9]+$ ]] || [ "$id" -ge "${#displays[@]}" ]; then
        echo "error: ctest gave display slot '$group'; the displays are: $TV_SLOT_DISPLAYS" >&2
        return 1
    fi
    SLOT_PREFIX="$1.slot$id"
    if [ ! -f "$SLOT_PREFIX/.tv-ready" ]; then
        echo "error: the prefix of display slot $id is missing: $SLOT_PREFIX" >&2
        return 1
    fi
    export DISPLAY="${displays[$id]}" TV_WINE_SLOT="$id"
    # A test starts on a clean slot: whatever an earlier test that crashed
    # left running in this prefix (its programs, a half-dead wineserver) ends
    # here instead of breaking this one.
    WINEPREFIX="$SLOT_PREFIX" wineserver -k 2>/dev/null
    WINEPREFIX="$SLOT_PREFIX" wineserver -w 2>/dev/null
    return 0
}

# copy_slot_prefix PREFIX N: makes PREFIX.slotN a copy of the ready PREFIX,
# unless it already is a copy of this very PREFIX (same ready stamp).
copy_slot_prefix() {
    local main="$1" slot="$1.slot$2" stamp
    stamp=$(stat -c '%Y %i' "$main/.tv-ready") || return 1
    [ "$(cat "$slot/.tv-slot-of" 2>/dev/null)" = "$stamp" ] && return 0
    rm -rf "$slot"
    cp -a "$main" "$slot.tmp" || return 1
    echo "$stamp" >"$slot.tmp/.tv-slot-of"
    mv "$slot.tmp" "$slot"
}

# write_slot_file FILE N: the ctest resource file of N display slots.
write_slot_file() {
    local file="$1" n="$2" i sep=""
    {
        printf '{"version": {"major": 1, "minor": 0}, "local": [{"displays": ['
        for ((i = 0; i < n; i++)); do
            printf '%s{"id": "%d", "slots": 1}' "$sep" "$i"
            sep=", "
        done
        printf ']}]}\n'
    } >"$file"
}
