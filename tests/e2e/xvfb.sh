# Sourced: starts an Xvfb of our own and exports DISPLAY. Xvfb picks the free display
# itself (-displayfd), so parallel runs never meet on one.
start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 20 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        xvfb_runtime=$(mktemp -d)
        export XDG_RUNTIME_DIR=$xvfb_runtime
    fi
    unset QT_QPA_PLATFORM
}
stop_xvfb() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "${xvfb_runtime:-}" ] && rm -rf "$xvfb_runtime"
    true
}
