#!/usr/bin/env bash
# Outline (Ctrl+W) in the real editor: [Outliner] names our funclist.dll by
# its bare name, found beside marl.exe; its window lists the functions of
# a.c, and choosing the second one puts the caret on its line, as the
# status pane shows.
. "$(dirname "$0")/lib.sh"
exe="$1"
poke="$2"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-outline.XXXXXX)
# This test writes the editor's profile: it runs in its own prefix copy.
cp -a "$TV_WINE_PREFIX" "$dir/prefix"
TV_WINE_PREFIX="$dir/prefix"
at_exit 'WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null; rm -rf "$dir"'
# Added to the test profile, which keeps the tip of the day off.
printf '[Outliner]\r\nC=funclist.dll\r\n' >>"$dir/prefix/drive_c/windows/marl.ini"
printf '#include <stdio.h>\r\n\r\nstatic int square(int x)\r\n{\r\n    return x * x;\r\n}\r\n\r\n/* main() { */\r\nint main(void)\r\n{\r\n    printf("%%d\\n", square(7));\r\n    return 0;\r\n}\r\n' >"$dir/a.c"

start_program "$exe" /NOSPLASH "Z:${dir//\//\\}\\a.c"
w=$(find_window '^Trelvan EDIT for Windows - .*a\.c') || fail "no window for a.c"
sleep 0.5
send_keys "$w" ctrl+w
o=$(find_window '^Outline - a\.c$' 10) || fail "Ctrl+W showed no outline window"
sleep 0.5
send_keys "$o" Down Return
sleep 1
panes=$("$TV_LAUNCHER" --prefix "$TV_WINE_PREFIX" "$poke" status 2>/dev/null | tr -d '\r')
echo "status panes: $panes"
case "|$panes|" in
*"|000009|"*) ;;
*) fail "the caret is not on line 9 (main): $panes" ;;
esac
echo "ok: the outline window listed the functions and moved the caret to main"
