#!/usr/bin/env bash
# The desktop survives a restart: three tiled files open at exit come back
# at the next start in the same places and order, the one that was active
# active again, and the next exit records them once more, unchanged.
. "$(dirname "$0")/lib.sh"
exe="$1"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-desktop.XXXXXX)
# This test writes the editor's profile: it runs in its own prefix copy.
cp -a "$TV_WINE_PREFIX" "$dir/prefix"
TV_WINE_PREFIX="$dir/prefix"
at_exit 'WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null; rm -rf "$dir"'
ini="$dir/prefix/drive_c/windows/marl.ini"
rm -f "$dir/prefix/drive_c/windows/"[mM][aA][rR][lL].[iI][nN][iI]
printf '[Tips]\r\nShow=0\r\n' >"$ini"
printf 'one\r\n' >"$dir/first.txt"
printf 'two\r\n' >"$dir/second.txt"
printf 'three\r\n' >"$dir/third.txt"
win="Z:${dir//\//\\}"

# A stored value per saved window, bottom-most first, joined by SEP:
# stored KEY-PREFIX SED-EXPRESSION-AFTER-THE-KEY SEP.
stored() {
    local zorder key
    zorder=$(tr -d '\r' <"$ini" | sed -n 's/^ZOrder=//p')
    for key in ${zorder//,/ }; do
        tr -d '\r' <"$ini" | sed -n "s/^$1$key=$2/p"
    done | tr '\n' "$3"
}
stored_files() { stored DocPath '.*\\/' ' '; } # by name
stored_places() { stored Placement '/' '|'; }

start_program "$exe" /NOSPLASH "$win\\first.txt" "$win\\second.txt" "$win\\third.txt"
w=$(find_window '^Trelvan EDIT for Windows - .*third.txt') || fail "the files did not open"
send_keys "$w" alt+w h
sleep 0.5
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
[ "$(stored_files)" = "first.txt second.txt third.txt " ] || fail "stored desktop: $(cat "$ini")"
places=$(stored_places)
# Tiled: three different places, none of them the same.
[ "$(tr '|' '\n' <<<"$places" | sed '/^$/d' | sort -u | wc -l)" = 3 ] || fail "not tiled: $places"

TV_KEEP_DESKTOP=1 start_program "$exe" /NOSPLASH
w=$(find_window '^Trelvan EDIT for Windows - .*third.txt') || fail "the desktop did not come back"
send_keys "$w" alt+F4
wait_exit $PROGRAM_PID || fail "marl.exe did not end"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
[ "$(stored_files)" = "first.txt second.txt third.txt " ] || fail "not all windows came back: $(cat "$ini")"
[ "$(stored_places)" = "$places" ] || fail "the windows moved: $places became $(stored_places)"
echo "ok: the tiled desktop came back in its places and order"
