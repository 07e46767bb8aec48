#!/usr/bin/env bash
# Find and Replace All in the real editor, driven from outside: Alt+F3, a
# word and Enter select it and close the Find dialog; the Replace dialog
# (Edit menu) replaces every occurrence; Ctrl+S writes the result.
. "$(dirname "$0")/lib.sh"
exe="$1"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-find.XXXXXX)
at_exit 'rm -rf "$dir"'
printf 'cat dog\ncat and dog\n' >"$dir/pets.txt"

start_program "$exe" /NOSPLASH "Z:${dir//\//\\}\\pets.txt"
w=$(find_window '^Trelvan EDIT for Windows - .*pets.txt') || fail "no editor window"
sleep 0.5
send_keys "$w" alt+F3
f=$(find_window '^Find$' 10) || fail "Alt+F3 showed no Find dialog"
send_keys "$f" d o g Return
sleep 0.5
xdotool search --onlyvisible --name '^Find$' >/dev/null 2>&1 && fail "the Find dialog stayed after a match"
# The match is selected: typing replaces it.
send_keys "$w" B I R D
send_keys "$w" alt+e e
r=$(find_window '^Replace$' 10) || fail "the Edit menu showed no Replace dialog"
send_keys "$r" ctrl+a c a t Tab c o w alt+a
sleep 0.5
send_keys "$r" Escape
sleep 0.3
save_and_exit "$w"

expect_file "$dir/pets.txt" 'cow BIRD\ncow and dog\n'
echo "ok: found, replaced all and saved"
