# Sourced by play.sh: the steps a route is made of (routes.txt says what each one does).

shots=0
click() { xdotool mousemove --window "$window" "$1" $(($2 + bar)) click 1; }
press() { # <button> <times>
    local x=121 y=612 _
    case $1 in
    Quit) x=201 ;;
    Reset) x=281 ;;
    A | B | C | D) x=$((118 + 70 * ($(printf %d "'$1") - 65))) y=650 ;;
    esac
    for _ in $(seq "$2"); do click "$x" "$y"; done
}

# Polls up to 10 s for a condition that the steps sent before will bring about.
until_seen() {
    local _
    for _ in $(seq 100); do "$@" && return; sleep 0.1; done
    return 1
}

# Select All and Copy from the keyboard: what the field holds, once the game (and the input
# method, through which the keys go in order after what was typed before) has handled
# everything before. A sentinel on the clipboard tells when the copy has come: an empty field
# copies nothing.
read_field() {
    local sentinel="(e2e sentinel $RANDOM)"
    printf %s "$sentinel" | xclip -selection clipboard
    until_seen clipboard_is "$sentinel" || fail "xclip does not serve the clipboard"
    xdotool key ctrl+a ctrl+c
    until_seen clipboard_changed "$sentinel" ||
        fail "the field gave nothing to copy in 10 s: it is empty (or the game hangs)"
}
clipboard_is() { field=$(xclip -o -selection clipboard 2>/dev/null) && [ "$field" = "$1" ]; }
clipboard_changed() { ! clipboard_is "$1" && [ -n "$field" ]; }

expect_field() {
    read_field
    [ "$field" = "$1" ] || fail "the field reads '$field', expected '$1'"
    echo "field: $field"
}

# The canvas as painted, against the picture file the scene shows: a few pixels may differ.
expect_canvas() {
    local shot diff
    shots=$((shots + 1))
    shot=$out/$(printf %02d $shots)-${1%.png}.png
    import -window "$window" "$shot"
    diff=$(convert "$shot" -crop "640x480+0+$bar" +repage "$build/resources/$1" \
        -fuzz 2% -metric AE -compare -format '%[distortion]' info:)
    [ "$diff" -le 300 ] || fail "the canvas differs from $1 in $diff pixels: $shot"
    echo "canvas: $1"
}

# Katakana from keys bound to them once, on keycodes the keyboard leaves free.
type_kana() {
    local LC_ALL=C.UTF-8 keys=() c
    for c in $(grep -o . <<<"$1"); do
        keys+=("$(printf 'U%X' "'$c")")
        xmodmap -pke | grep -qw "${keys[-1]}" && continue
        xmodmap -e "keycode $(xmodmap -pke | awk 'NF == 3 {print $2; exit}') = ${keys[-1]}"
    done
    xdotool key "${keys[@]}"
}

# The field's first line, inside its frame, above where input methods put their lists.
field_area() { import -window "$window" -crop "630x20+2+$((bar + 482))" +repage -depth 8 "$1"; }
colours() { convert "$1" -format %c histogram:info:; }
# Its top edge is blue while it has the focus in the active window.
field_focused() {
    import -window "$window" -crop "600x1+20+$((bar + 480))" +repage -depth 8 "$run/edge.png"
    colours "$run/edge.png" | grep -q '#308CC6 '
}
# Nothing in the field's first line but, at most, its text cursor.
shows_nothing() {
    field_area "$run/field.png"
    [ "$(convert "$run/field.png" -fill black +opaque white \
        -format '%[fx:round(w * h * (1 - mean))]' info:)" -le 40 ]
}
# Converted text the engine has not committed: its ground in the field.
shows_pending() {
    field_area "$run/field.png"
    colours "$run/field.png" | grep -qi "#$pending "
}
shows_composed_name() {
    field_area "$run/field.png"
    [ "$(compare -metric AE "$run/field.png" "$run/composed.png" null: 2>&1)" -le 40 ]
}
# Mapped windows on the screen but the game's and our other one.
other_windows() {
    local id
    for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
        ((id == window || id == ${away_window:-0})) && continue
        xwininfo -id "$id" | grep -q IsViewable && echo "$id" || true
    done
}

compose_name() {
    xdotool type --delay 30 biri-
    xdotool key F7
    until_seen shows_pending || fail "no pending text in the field: $(cp_shot)"
    cp "$run/field.png" "$run/composed.png"
}
cp_shot() { cp "$run"/*.png "$out/" && echo "$out/field.png (composed.png as composed)"; }

kana_mode() {
    wait_for field_connected
    xdotool key "$kana_key"
    until_seen kana_on || fail "the input method did not turn to kana"
}

# Typed fast and cancelled at once: the text shows, then goes. It may have come and gone
# between two looks; the first look only waits for an input method slower than that.
cancel_composition() {
    local _
    xdotool key --delay 2 b i r i minus Escape
    for _ in $(seq 10); do shows_nothing || break; sleep 0.1; done
    until_seen shows_nothing || fail "the field still shows text after Escape: $(cp_shot)"
}

open_list() {
    until_seen list_ready || fail "the input method has no candidate window"
    xdotool key "${list_keys[@]}"
    until_seen list_open ||
        fail "no candidate list on the composed name: $(cp_shot); windows: $(other_windows)"
}
list_open() { [ -n "$(other_windows)" ] && shows_composed_name; }

no_im_window() {
    until_seen test -z "$(other_windows)" ||
        fail "windows left on screen: $(other_windows | xargs -n1 xwininfo -id | grep 'Window id')"
}

# Another program's text entry, beside the game: the input method follows the focus there.
focus_away() {
    if [ -z "${away_window:-}" ]; then
        as_player NO_AT_BRIDGE=1 /usr/bin/python3 -c 'import gi; gi.require_version("Gtk", "3.0")
from gi.repository import Gtk; w = Gtk.Window(title="other"); w.add(Gtk.Entry())
w.move(700, 100); w.show_all(); Gtk.main()' 2>/dev/null &
        away_window=$(xdotool search --sync --onlyvisible --name '^other$' | head -1)
    fi
    xdotool windowfocus --sync "$away_window"
    until_seen eval '! field_focused' || fail "the game kept the focus"
}
focus_back() {
    xdotool windowfocus --sync "$window"
    until_seen field_focused || fail "the field did not take the focus back"
}

expect_exit_zero() {
    local status=0
    until_seen eval '! kill -0 $game_pid 2>/dev/null' || fail "the game did not quit"
    wait "$game_pid" || status=$?
    [ "$status" -eq 0 ] || fail "exit code $status; $(cat "$out/game.log")"
}

# A fixed-size window offers no maximise, as a function or as a button: both fields flagged
# (bit 0 and 1), neither field "all but" (bit 0) nor with maximise (0x10, 0x40).
expect_no_maximise() {
    local hints flags functions decorations
    hints=$(xprop -id "$window" _MOTIF_WM_HINTS)
    read -r flags functions decorations _ < <(sed 's/.*= //; s/,//g' <<<"$hints")
    (((flags & 3) == 3 && !(functions & 0x11) && !(decorations & 0x41))) ||
        fail "the window offers to maximise: $hints"
}

step() {
    local verb=${1%% *} rest=""
    [[ $1 != *" "* ]] || rest=${1#* }
    case $verb in
    play) play_section "$rest" ;;
    OK | Quit | Reset | A | B | C | D) press "$verb" "${rest:-1}" ;;
    see)
        expect_field "${rest#* | }"
        expect_canvas "${rest%% | *}"
        ;;
    field) expect_field "$rest" ;;
    focus) click 320 530 ;;
    clear) xdotool key ctrl+a BackSpace ;;
    kana) type_kana "$rest" ;;
    type-name) xdotool type --delay 30 biri- && xdotool key F7 Return ;;
    kana-mode) kana_mode ;;
    compose) compose_name ;;
    commit) xdotool key Return ;;
    cancel) cancel_composition ;;
    switch-off)
        as_player ibus engine xkb:us::eng
        until_seen shows_nothing || fail "the field still shows text with the engine off"
        ;;
    switch-on) wait_for ibus_engine "${engine/mozc/mozc-jp}" ;;
    list) open_list ;;
    no-im-window) no_im_window ;;
    away) focus_away ;;
    back) focus_back ;;
    no-maximise) expect_no_maximise ;;
    peak-memory) awk '/VmHWM/ {print $2}' "/proc/$game_pid/status" >"$out/peak_rss_kb" ;;
    quit-key) xdotool key ctrl+q ;;
    exits) expect_exit_zero ;;
    *) fail "no such step: $1" ;;
    esac
}

play_section() {
    local line
    while IFS= read -r -u 3 line; do
        step "${line//⏎/$'\n'}"
    done 3< <(awk -v name="$1" '/^== / {on = $2 == name; next} on && NF && !/^#/' \
        "$here/routes.txt")
}
