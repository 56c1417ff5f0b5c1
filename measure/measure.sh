#!/usr/bin/env bash
# Start-up and memory of the game against a bare Qt Widgets window with the same widgets,
# under Xvfb: the median of alternating runs to the first painted window, and peak RSS
# (the game's after a full play to GAME CLEAR!). Prints figures; fails only if it can't
# measure.
#   measure.sh <build folder> [runs]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-9}
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$build/measure/startup_probe" ] || { echo "SKIP: startup_probe not built"; exit 77; }

source "$here/../tests/e2e/xvfb.sh"
start_xvfb
trap stop_xvfb EXIT

median() { sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }

# One pixel in the middle of the title picture, under the menu bar.
game_times=() bare_times=()
for _ in $(seq "$runs"); do
    game_times+=("$("$build/measure/startup_probe" 320 263 "$build/holomina" 2>/dev/null)")
    bare_times+=("$("$build/measure/startup_probe" 320 263 "$build/measure/bare_window" \
        "$build/resources" 2>/dev/null)")
done
game=$(printf '%s\n' "${game_times[@]}" | median)
bare=$(printf '%s\n' "${bare_times[@]}" | median)
echo "start-up to first painted window, median of $runs: holomina $game ms, bare window $bare ms," \
    "ratio $(awk -v g="$game" -v b="$bare" 'BEGIN{printf "%.2f", g/b}') (target <= 1.15)"

# Peak RSS: the game after a full play; the bare window once it has painted.
out=$(mktemp -d)
# The play itself is the end-to-end test's to judge; here it only yields the figure.
if ! bash "$here/../tests/e2e/play.sh" "$build/holomina" "$out" good-ending >/dev/null; then
    echo "peak RSS: not measured, the play did not finish"
    exit 0
fi
game_rss=$(cat "$out/peak_rss_kb")
"$build/measure/bare_window" "$build/resources" >/dev/null 2>&1 &
bare_pid=$!
xdotool search --sync --onlyvisible --name 'bare window' >/dev/null
sleep 1
bare_rss=$(awk '/VmHWM/{print $2}' "/proc/$bare_pid/status")
kill $bare_pid
echo "peak RSS: holomina $((game_rss / 1024)) MB after a full play, bare window" \
    "$((bare_rss / 1024)) MB, difference $(((game_rss - bare_rss) / 1024)) MB (target <= 35 MB)"

if [ -x "$build/bench/press_benchmark" ]; then
    QT_QPA_PLATFORM=offscreen "$build/bench/press_benchmark" --benchmark_min_time=0.2 2>/dev/null |
        grep -E '^(BM_|Benchmark|-)' || true
fi
