#!/usr/bin/env bash
# Typing into the real editor from outside, Ctrl+S and exit: the file on disk
# keeps its own line ends and the backup holds the version before.
. "$(dirname "$0")/lib.sh"
exe="$1"
: "${TV_WINE_PREFIX:?the test runs under ctest, which names the Wine prefix}"
dir=$(mktemp -d /tmp/tv-type.XXXXXX)
at_exit 'rm -rf "$dir"'
printf 'int a;\r\nint b;\r\n' >"$dir/dos.c"
printf 'one\ntwo\n' >"$dir/unix.txt"

# type_and_save FILE KEYS...: opens FILE, types KEYS at its start, saves, exits.
type_and_save() {
    local file="$1" w
    shift
    start_program "$exe" /NOSPLASH "Z:${dir//\//\\}\\$file"
    w=$(find_window "^Trelvan EDIT for Windows - .*$file") || fail "no window for $file"
    sleep 0.5
    send_keys "$w" "$@" ctrl+s
    sleep 1
    send_keys "$w" alt+F4
    wait_exit $PROGRAM_PID || fail "marl.exe did not end after saving $file"
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE for $file"
}

# expect FILE BYTES: the file in the test folder holds exactly BYTES.
expect() { expect_file "$dir/$1" "$2"; }

type_and_save dos.c x Return y
expect dos.c 'x\r\nyint a;\r\nint b;\r\n'
expect dos.BAK 'int a;\r\nint b;\r\n'

type_and_save unix.txt z Return
expect unix.txt 'z\none\ntwo\n'
expect unix.BAK 'one\ntwo\n'

echo "ok: typed text saved with the file's own line ends and a backup"
