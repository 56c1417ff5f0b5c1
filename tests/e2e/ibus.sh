# Sourced after start_xvfb: a D-Bus session and an IBus daemon with the Anthy engine of our
# own, on our own display. Settings, caches and the daemon's address file live in a folder of
# this run's, so parallel runs never share an input method or its state.
start_ibus() {
    ibus_home=$(mktemp -d)
    # The game finds the daemon's address file under XDG_CONFIG_HOME, where the daemon wrote it.
    export XDG_CONFIG_HOME=$ibus_home/config XDG_CACHE_HOME=$ibus_home/cache
    export XDG_RUNTIME_DIR=$ibus_home/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The game finds the daemon by a file named after the machine's id: a bare container
    # may have none yet.
    [ -s /etc/machine-id ] || [ -s /var/lib/dbus/machine-id ] ||
        dbus-uuidgen --ensure 2>/dev/null || true
    local bus
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    dbus_pid=${bus##*$'\n'}
    # Anthy's engine is a Python program run from PATH: it needs the system's Python and its
    # GObject bindings, not whichever python3 comes first here. No panel and no emoji
    # picker: nobody looks at them.
    HOME=$ibus_home PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        ibus-daemon --panel=disable --emoji-extension=disable >"$1" 2>&1 &
    ibus_pid=$!
    # The daemon takes a while to come up and load the engine list; "ibus engine" reports a
    # failure even when the switch worked, so ask which engine is on.
    local _
    for _ in $(seq 100); do
        ibus engine anthy >/dev/null 2>&1 || true
        [ "$(ibus engine 2>/dev/null)" = anthy ] && break
        sleep 0.2
    done
    [ "$(ibus engine 2>/dev/null)" = anthy ] || { echo "IBus did not switch to Anthy"; return 1; }
    export QT_IM_MODULE=ibus XMODIFIERS=@im=ibus
}
stop_ibus() {
    if [ -n "${ibus_pid:-}" ]; then
        kill "$ibus_pid" 2>/dev/null || true
        wait "$ibus_pid" 2>/dev/null || true
    fi
    [ -n "${dbus_pid:-}" ] && kill "$dbus_pid" 2>/dev/null || true
    [ -n "${ibus_home:-}" ] && rm -rf "$ibus_home" || true
}
