#!/usr/bin/env bash
# A number selected in the real editor, Edit > Convert > Hexadecimal through
# the menu's access keys, saved: the file holds the converted number.
. "$(dirname "$0")/lib.sh"
exe="$1"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-convert.XXXXXX)
at_exit 'rm -rf "$dir"'
printf 'x = 255;\n' >"$dir/num.txt"

start_program "$exe" /NOSPLASH "Z:${dir//\//\\}\\num.txt"
w=$(find_window "^Trelvan EDIT for Windows - .*num.txt") || fail "no window for num.txt"
sleep 0.5
send_keys "$w" Right Right Right Right shift+Right shift+Right shift+Right
send_keys "$w" alt+e
sleep 0.3
send_keys "$w" v
sleep 0.3
send_keys "$w" h
sleep 0.3
save_and_exit "$w"
expect_file "$dir/num.txt" 'x = 0xFF;\n'
echo "ok: the selected number was converted to hexadecimal and saved"
