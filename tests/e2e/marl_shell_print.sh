#!/usr/bin/env bash
# The shell prints a file as its print verb says: "marl.exe /p file", then
# the DDE request "print(file)".  The editor prints to the default printer
# without asking, with no window shown, and ends with 0.
. "$(dirname "$0")/lib.sh"
exe="$1"
client="$2"
printer="$3"
dir=$(mktemp -d /tmp/tv-print.XXXXXX)
at_exit "rm -rf '$dir'"
printf 'int main(void)\r\n{\r\n    return 42;\r\n}\r\n' >"$dir/listing.c"
winfile="Z:${dir//\//\\}\\listing.c"
winps="Z:${dir//\//\\}\\out.ps"
"$TV_LAUNCHER" ${TV_WINE_PREFIX:+--prefix "$TV_WINE_PREFIX"} "$printer" "Marl E2E PostScript" "$winps" ||
    fail "could not install the file printer"
start_program "$exe" /p "$winfile"
"$TV_LAUNCHER" ${TV_WINE_PREFIX:+--prefix "$TV_WINE_PREFIX"} "$client" marl "print($winfile)" ||
    fail "the print request was not handled"
wait_exit $PROGRAM_PID || fail "marl.exe did not end after printing"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
[ -s "$dir/out.ps" ] || fail "nothing was printed"
[ "$(grep -c '^%%Page:' "$dir/out.ps")" = 1 ] || fail "not one page"
page=$(gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -sOutputFile=- "$dir/out.ps")
grep -q 'return 42;' <<<"$page" || fail "the page does not hold the file's text"
# The default header and footer, their placeholders expanded.
grep -q 'listing\.c' <<<"$page" || fail "no file name in the header: $page"
grep -q -- '-1-' <<<"$page" || fail "no page number in the footer: $page"
grep -q '\$' <<<"$page" && fail "a placeholder was printed as typed: $page"
echo "ok: shell print to the default printer"
