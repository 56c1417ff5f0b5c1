# Sourced: the player's side of a run. The game, its D-Bus session and its input method
# run as the player: as root (CI) that is nobody, as Mozc refuses root; otherwise whoever runs
# this. The player's home and runtime folders are this run's own, so parallel runs never
# share an input method or its state, and the run's folder in their environment marks every
# process the run started, wherever the daemons put themselves.
start_player() { # <run folder>
    player_home=$1/home
    mkdir -p "$player_home/config/fcitx5" "$player_home/runtime"
    chmod 700 "$player_home/runtime"
    player=()
    if [ "$(id -u)" -eq 0 ]; then
        chmod 755 "$1"
        chown -R nobody:nogroup "$player_home"
        player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    player_env=(HOME="$player_home" XDG_CONFIG_HOME="$player_home/config"
        XDG_CACHE_HOME="$player_home/cache" XDG_DATA_HOME="$player_home/data"
        XDG_RUNTIME_DIR="$player_home/runtime" DISPLAY="$DISPLAY" E2E_RUN="$1")
    # The game finds an input method by the machine's id: a bare container may have none.
    [ -s /etc/machine-id ] || [ -s /var/lib/dbus/machine-id ] ||
        dbus-uuidgen --ensure 2>/dev/null || true
}
as_player() { "${player[@]}" env "${player_env[@]}" "$@"; }

# The processes of this run, wherever they put themselves: all carry its mark.
run_processes() { grep -lsF "E2E_RUN=$1" /proc/[0-9]*/environ | cut -d/ -f3; }

# Waits up to 20 s for a command to succeed: the daemons take their time to come up.
wait_for() {
    local _
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return; sleep 0.2; done
    echo "FAIL: waited in vain for: $*"
    exit 1
}

start_session_bus() {
    local fifo=$player_home/../bus address
    mkfifo "$fifo"
    as_player dbus-daemon --session --nofork --print-address=3 3>"$fifo" >"$out/bus.log" 2>&1 &
    read -r -t 20 address <"$fifo" || { echo "FAIL: no D-Bus session"; exit 1; }
    player_env+=(DBUS_SESSION_BUS_ADDRESS="$address")
}

# <ibus|fcitx5> <anthy|mozc>: starts it, and tells the routes what they need to know of it:
#   kana_key   what the player presses to turn the engine from Latin to kana input
#   pending    the ground of converted, uncommitted text in the field
#   list_keys  from the converted name, the keys that open the candidate list on it
start_input_method() {
    im=$1
    start_session_bus
    case $1-$2 in
    ibus-anthy) pending=C8C8F0 ;;
    ibus-mozc) pending=D1EAFF list_keys=(space Up) ;;
    fcitx5-anthy) pending=308CC6 list_keys=(space space) ;;
    fcitx5-mozc) pending=308CC6 list_keys=(space Up) ;;
    esac
    if [ "$1" = ibus ]; then
        kana_key=Zenkaku_Hankaku
        # Engines are Python programs run from PATH: the system's Python, whatever comes first.
        as_player env PATH=/usr/sbin:/usr/bin:/sbin:/bin \
            ibus-daemon --panel=disable --emoji-extension=disable >"$out/im.log" 2>&1 &
        local engine=${2/mozc/mozc-jp}
        wait_for ibus_engine "$engine"
        player_env+=(QT_IM_MODULE=ibus GTK_IM_MODULE=ibus XMODIFIERS=@im=ibus)
        return
    fi
    kana_key=ctrl+space
    # As a player's profile has it: the keyboard first, the engine beside it.
    printf '%s\n' '[Groups/0]' Name=Default 'Default Layout=us' "DefaultIM=$2" \
        '[Groups/0/Items/0]' Name=keyboard-us '[Groups/0/Items/1]' "Name=$2" \
        '[GroupOrder]' 0=Default >"$player_home/config/fcitx5/profile"
    as_player fcitx5 -D --disable clipboard,wayland,waylandim,kimpanel,notificationitem \
        >"$out/im.log" 2>&1 &
    wait_for fcitx5_up
    player_env+=(QT_IM_MODULE=fcitx GTK_IM_MODULE=fcitx XMODIFIERS=@im=fcitx)
}
# Asked before it is up, fcitx5-remote would have D-Bus start a second one.
fcitx5_up() {
    as_player dbus-send --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 | grep -q true
}
ibus_engine() {
    as_player ibus engine "$1" || true
    [ "$(as_player ibus engine)" = "$1" ]
}

# The field's input context is the input method's focused one: keys from now on reach it.
field_connected() {
    if [ "$im" = fcitx5 ]; then
        [ "$(as_player fcitx5-remote)" -ge 1 ]
    else
        as_player dbus-send --print-reply --address="$(as_player ibus address)" \
            --dest=org.freedesktop.IBus /org/freedesktop/IBus \
            org.freedesktop.IBus.CurrentInputContext | grep -q InputContext_
    fi
}
# Mozc's candidate list under ibus is a program of its own, started as the first text is
# composed: what is sent to it before it listens on its socket is lost.
list_ready() {
    [ "$im-$engine" = ibus-mozc ] || return 0
    local key
    key=$(grep -aoh '[0-9a-f]\{32\}' "$player_home"/config/mozc/.renderer.*.ipc) &&
        grep -q "@tmp/.mozc.$key.renderer" /proc/net/unix
}
# fcitx5 says when it is on; an ibus engine shows it only in what the next keys do.
kana_on() { [ "$im" = ibus ] || [ "$(as_player fcitx5-remote)" -eq 2 ]; }
