#!/usr/bin/env bash
# Plays the real game under Xvfb as a player would: clicks the real buttons, answers the
# menus, types the culprit's name, reads the field back with Select All + Copy, takes
# screenshots and checks how the game ends.
#   play.sh <holomina executable> <folder for screenshots> good-ending
#       from the title screen to "GAME CLEAR!", then Ctrl+Q: exit code 0
#   play.sh <holomina executable> <folder for screenshots> quit-at-name
#       to the name prompt, half a name typed, then the Quit button: exit code 0
#   play.sh <holomina executable> <folder for screenshots> ime-return|ime-pending
#       the good ending with the name typed through IBus and Anthy: "biri-", F7 for
#       katakana, then Return and OK (ime-return); or, with Anthy set to commit on focus
#       out, A and then OK with the text still pending (ime-pending)
set -euo pipefail

game=$1
out=$2
route=${3:-good-ending}
mkdir -p "$out"
tools=(Xvfb xdotool import convert xclip xprop)
[[ $route = ime-* ]] && tools+=(dbus-daemon ibus-daemon ibus dconf)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [[ $route = ime-* ]] && [ ! -e /usr/share/ibus/component/anthy.xml ]; then
    echo "SKIP: ibus-anthy is not installed"
    exit 77
fi

here=$(dirname "$0")
source "$here/xvfb.sh"
source "$here/ibus.sh"
start_xvfb
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    stop_ibus
    stop_xvfb
}
trap cleanup EXIT
if [[ $route = ime-* ]]; then
    start_ibus "$out/ibus.log"
    # As some players set it: Anthy commits pending text itself when the field lets go of
    # it. The name must still arrive once.
    [ "$route" = ime-pending ] &&
        dconf write /org/freedesktop/ibus/engine/anthy/common/behavior-on-focus-out 1
fi

"$game" >"$out/game.log" 2>&1 &
game_pid=$!
window=$(xdotool search --sync --onlyvisible --name 'ホロミナ2.0' | head -1)
sleep 0.5

# The window is 640 wide and its content 720 high under the menu bar.
read -r width height < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/WIDTH/{w=$2} /HEIGHT/{h=$2} END{print w, h}')
bar=$((height - 720))
echo "window ${width}x${height}, menu bar ${bar}px"
[ "$width" -eq 640 ] || { echo "FAIL: window width $width"; exit 1; }
[ "$bar" -ge 0 ] || { echo "FAIL: window height $height"; exit 1; }

# A fixed-size window offers no maximise, as a function or as a button: both fields flagged
# (bit 0 and 1), neither field "all but" (bit 0) nor with maximise (0x10, 0x40).
if [ "$route" = good-ending ]; then
    hints=$(xprop -id "$window" _MOTIF_WM_HINTS)
    echo "$hints (flags, functions, decorations, ...)"
    read -r flags functions decorations _ < <(sed 's/.*= //; s/,//g' <<<"$hints")
    (( (flags & 3) == 3 && !(functions & 0x11) && !(decorations & 0x41) )) ||
        { echo "FAIL: the window offers to maximise"; exit 1; }
fi

click() { # x y in the content area
    xdotool mousemove --window "$window" "$1" $(($2 + bar)) click 1
    sleep 0.08
}
ok() { for _ in $(seq "${1:-1}"); do click 121 612; done; }
answer() {
    case $1 in
    A) click 118 650 ;;
    B) click 190 650 ;;
    C) click 262 650 ;;
    D) click 327 650 ;;
    esac
}

screenshot() { import -window "$window" "$out/$1.png"; }

# The canvas must show a picture: many colours, not a blank area.
expect_picture() {
    local colours
    colours=$(convert "$out/$1.png" -crop "640x480+0+$bar" +repage -format %k info:)
    echo "$1: $colours colours in the canvas"
    [ "$colours" -gt 20 ] || { echo "FAIL: the canvas is blank at $1"; exit 1; }
}

# Reads the field through the Edit menu: Select All, then Copy, then the clipboard.
edit_menu() { # the item's offset below the menu bar
    xdotool mousemove --window "$window" 80 $((bar / 2)) click 1
    sleep 0.25
    xdotool mousemove --window "$window" 120 $((bar + $1)) click 1
    sleep 0.1
}
field_text() {
    click 320 530 # the field takes the focus
    edit_menu 142 # すべてを選択
    edit_menu 65  # コピー
    sleep 0.1
    xclip -o -selection clipboard 2>/dev/null || true
}

# The field's text once it is one of those given, or what it shows after some tries: a
# loaded machine may take a moment to handle the clicks queued before.
settled_field() {
    local text="" want _
    for _ in $(seq 10); do
        text=$(field_text)
        for want; do [ "$text" = "$want" ] && break 2; done
        sleep 0.3
    done
    echo "$text"
}

expect_field() {
    local text
    text=$(settled_field "$1")
    [ "$text" = "$1" ] || { echo "FAIL: the field shows '$text', expected '$1'"; exit 1; }
    echo "field: $text"
}

# Types "biri-" and F7 for katakana into the field through Anthy: ビリー, pending.
compose_name() {
    click 320 530
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 50 'biri-'
    xdotool key F7
}

# ビリー through Anthy, committed with Return. Anthy starts in Latin mode: Zenkaku_Hankaku
# turns it to hiragana. Keys that come before the engine is ready pass by it, that one
# included, and Latin letters land in the field: then the switch and the name again.
type_name_through_ime() {
    local text=biri- _
    for _ in $(seq 5); do
        [ "$text" = biri- ] && { click 320 530; xdotool key Zenkaku_Hankaku; }
        compose_name
        xdotool key Return
        text=$(settled_field ビリー biri-)
        [ "$text" = ビリー ] && break
        echo "typed through the input method: '$text', again"
    done
    [ "$text" = ビリー ] || { echo "FAIL: the input method typed '$text', expected 'ビリー'"; exit 1; }
    echo "field: $text"
}

# ビリー left pending. Anthy shows the converted text on a lavender ground: wait until it
# shows, as the player would, before pressing a button.
type_pending_name() {
    local _
    compose_name
    for _ in $(seq 30); do
        screenshot name_pending
        convert "$out/name_pending.png" -crop "640x120+0+$((bar + 480))" \
            -format %c histogram:info: | grep -qi C8C8F0 && return
        sleep 0.2
    done
    echo "FAIL: the converted name never showed pending in the field"
    exit 1
}

expect_exit_zero() {
    local status=0
    for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game_pid" 2>/dev/null && { echo "FAIL: the game did not quit"; exit 1; }
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; cat "$out/game.log"; exit 1; }
}

screenshot title
expect_picture title
expect_field "$(printf 'ホロミナ2.0\nPRESS OK BUTTON')"

ok 23                 # the introduction, up to the first menu (i = 23)
answer C; ok 2        # the scene of the crime: outside the house (step 25 next)
ok 1; answer B; ok 1  # the second menu: ask the agent
ok 7                  # into the house, the party hall, up to the study (step 35 next)
ok 1; answer C; ok 2  # the fourth menu: the drawer's memo
ok 3                  # back at the office: the deduction menu (C still recorded)
ok 2                  # the report: the mystery solved (step 43 next)
ok 3                  # the accusation and the name prompt (step 46 next)
screenshot name_prompt
expect_picture name_prompt
expect_field "ここに犯人名をカタカナ４文字以内で入力して、OKボタンを押してください。"

# The player replaces the prompt with the culprit's name.
click 320 530
xdotool key --clearmodifiers ctrl+a BackSpace
if [ "$route" = quit-at-name ]; then
    xdotool type --delay 50 'ビリ'
    expect_field "ビリ"
    click 201 612 # Quit
    expect_exit_zero
    echo "PASS: quit in the middle of the name entry with 0"
    exit 0
fi
if [[ $route = ime-* ]]; then
    type_name_through_ime
    if [ "$route" = ime-pending ]; then
        # Typed again and left pending: A, which leaves the field editable, and then OK
        # alone must each take it once.
        type_pending_name
        answer A
        sleep 0.5 # a second commit would come after the click
        expect_field "ビリー"
        type_pending_name
    fi
else
    # xdotool types kana by remapping a spare key for each; under load the game may read a
    # key after its mapping is gone: the player would type it again.
    for _ in 1 2 3; do
        xdotool type --delay 50 'ビリー'
        [ "$(settled_field ビリー)" = ビリー ] && break
        click 320 530
        xdotool key --clearmodifiers ctrl+a BackSpace
    done
    expect_field "ビリー"
fi

ok 1
expect_field "大正解！"
if [[ $route = ime-* ]]; then
    # The field is read-only now: text composed in it must not land in it.
    compose_name
    xdotool key Return
    sleep 1 # what the input method sends comes back later than the keys
    expect_field "大正解！"
fi
ok 3 # the accusation, the culprit's reply, the good ending
screenshot good_ending
expect_picture good_ending
expect_field "GAME CLEAR!"

# Peak memory after the whole play, for the measurements.
awk '/VmHWM/{print $2}' "/proc/$game_pid/status" >"$out/peak_rss_kb"

# Quit from the keyboard: the process must end with 0.
xdotool key --clearmodifiers ctrl+q
expect_exit_zero
echo "PASS: played to GAME CLEAR! and quit with 0; screenshots in $out"
