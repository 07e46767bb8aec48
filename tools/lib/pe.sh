# pe_machine FILE: prints i386 or x86_64 for a Windows executable, else nothing.
pe_machine() {
    local off machine
    off=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$off" ] || return 1
    machine=$(od -An -t x2 -j $((off + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
    case "$machine" in
        014c) echo i386 ;;
        8664) echo x86_64 ;;
        *) return 1 ;;
    esac
}

# can_run_win32: true when this host can start 32-bit Wine (the kernel runs
# 32-bit code and wine32 is installed).
can_run_win32() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}
