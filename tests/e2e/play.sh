#!/usr/bin/env bash
# Plays the real game under Xvfb as a player would: clicks its buttons, types the culprit's
# name, reads the field back through Select All and Copy, and compares each scene's canvas
# with the picture it should show. The routes are in routes.txt beside this script.
#   play.sh <holomina executable> <folder for screenshots> <route>
# Every check reads once, after a sign that the game has handled everything sent before it,
# and fails on the first wrong read, printing what it read.
set -euo pipefail
# A process group of our own: whatever we start ends with us, also when we are stopped.
[ "$(ps -o pgid= -p $$ | tr -d ' ')" = $$ ] || exec setsid bash "$0" "$@"

game=$1
out=$2
route=$3
here=$(dirname "$0")
build=$(dirname "$game")
header=$(grep -m1 "^== $route\( \|$\)" "$here/routes.txt") || { echo "no route $route"; exit 2; }
read -r _ _ im engine option <<<"$header"
tools=(Xvfb xdotool xmodmap import convert xclip xprop xwininfo)
[ -n "$im" ] && tools+=(dbus-daemon dbus-send "$im")
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
case $im-$engine in
ibus-*) [ -e "/usr/share/ibus/component/$engine.xml" ] ;;
fcitx5-*) compgen -G "/usr/lib/*/fcitx5/*$engine.so" >/dev/null &&
    compgen -G "/usr/lib/*/qt6/plugins/platforminputcontexts/*fcitx5*" >/dev/null ;;
esac || { echo "SKIP: $engine for $im is not installed"; exit 77; }
mkdir -p "$out"
rm -f "$out"/*.png

source "$here/xvfb.sh"
source "$here/im.sh"
run=$(mktemp -d)
export E2E_RUN=$run
cleanup() {
    trap '' TERM INT
    local pids
    pids=$(run_processes "$run" | grep -vx -e "$$" -e "$BASHPID" || true)
    # shellcheck disable=SC2086
    [ -z "$pids" ] || kill $pids 2>/dev/null || true
    for _ in $(seq 50); do
        ps -p "${pids//$'\n'/,}" >/dev/null || break
        sleep 0.1
    done
    stop_xvfb || true
    rm -rf "$run"
}
trap cleanup EXIT
# A CTest timeout kills the process tree outright, which no trap sees and which misses what
# has left the tree (Mozc's server): a guard outside it ends the rest once we are gone.
env -u E2E_RUN setsid -f bash -c "$(declare -f run_processes)"'
    while kill -0 "$1" 2>/dev/null; do sleep 0.5; done
    run_processes "$2" | xargs -r kill 2>/dev/null
    rm -rf "$2"' guard $$ "$run"
trap 'exit 143' TERM
trap 'exit 130' INT
# The whole screen as it was, to see what else was on it.
fail() {
    echo "FAIL: $*"
    import -window root "$out/failed.png" 2>/dev/null || true
    exit 1
}

start_xvfb
start_player "$run"
if [ ${#player[@]} -gt 0 ]; then
    # The player may not enter the build folder: the game as installed, in the run's folder.
    cmake --install "$build" --prefix "$run/game" >/dev/null
    game=$run/game/bin/holomina
    # And the sanitizers' suppressions, where the player can read them.
    for var in LSAN_OPTIONS ASAN_OPTIONS UBSAN_OPTIONS; do
        [[ ${!var:-} =~ suppressions=([^:]*) ]] || continue
        cp "${BASH_REMATCH[1]}" "$run/$var.supp"
        player_env+=("$var=${!var/${BASH_REMATCH[1]}/$run/$var.supp}")
    done
fi
[ -z "$im" ] || start_input_method "$im" "$engine"
# As some players set it: Anthy commits pending text itself when the field lets go of it.
[ "$option" != commit-on-focus-out ] ||
    as_player dconf write /org/freedesktop/ibus/engine/anthy/common/behavior-on-focus-out 1

# In place of the subshell, so that its id is the game's.
play_game() { exec "${player[@]}" env "${player_env[@]}" "$game"; }
play_game >"$out/game.log" 2>&1 &
game_pid=$!
window=$(xdotool search --sync --onlyvisible --name 'ホロミナ2.0' | head -1)
# The window is 640 wide and its content 720 high under the menu bar.
read -r width height < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/WIDTH/{w=$2} /HEIGHT/{h=$2} END{print w, h}')
bar=$((height - 720))
echo "window ${width}x${height}, menu bar ${bar}px"
[ "$width" -eq 640 ] && [ "$bar" -ge 0 ] || fail "window ${width}x${height}"

source "$here/steps.sh"
# No window manager gives the window the focus: the player's first click would.
focus_back
play_section "$route"
echo "PASS: $route; screenshots in $out"
