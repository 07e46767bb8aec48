#!/usr/bin/env bash
# The shell prints a file as its print verb says: "marl.exe /p file", then
# the DDE request "print(file)".  The editor prints to the default printer
# without asking, with no window shown, and ends with 0; every page carries
# the default header (the file name) and footer (the page number).
. "$(dirname "$0")/lib.sh"
exe="$1"
client="$2"
printer="$3"
dir=$(mktemp -d /tmp/tv-print.XXXXXX)
at_exit "rm -rf '$dir'"
{
    printf 'int main(void)\r\n{\r\n    return 42;\r\n}\r\n'
    for i in $(seq 100); do printf '/* line %d */\r\n' "$i"; done
} >"$dir/listing.c"
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
pages=$(grep -c '^%%Page:' "$dir/out.ps")
[ "$pages" -ge 2 ] || fail "$pages pages for 104 lines"
page=$(gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -sOutputFile=- "$dir/out.ps")
grep -q 'return 42;' <<<"$page" || fail "the page does not hold the file's text"
# The default header and footer on every page, their placeholders expanded.
[ "$(grep -c 'listing\.c' <<<"$page")" = "$pages" ] || fail "not one file name per page: $page"
for n in $(seq "$pages"); do
    grep -q -- "-$n-" <<<"$page" || fail "no page number $n in a footer: $page"
done
grep -q '\$' <<<"$page" && fail "a placeholder was printed as typed: $page"
echo "ok: shell print to the default printer"
