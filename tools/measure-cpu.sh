#!/bin/bash
# Processor use and resident memory of the game in its typical states, under Xvfb.
#
#   tools/measure-cpu.sh [-d SECONDS] [-r RUNS] [-b BINARY] [STATE ...]
#
# Each state is played RUNS times (default 3), each time in a fresh Xvfb on a fresh device
# root; the game's processor time (user + system, from /proc) and the X server's are taken over
# SECONDS (default 30) and printed as a percentage of one core, with the median of the runs,
# beside the resident memory at the end and the time from starting the game to its first paint.
# States: demo-x1, demo-x3, normal, easy-hint, paused, menu (all by default), and qt-floor: not
# the game but bench/repaint_floor, a bare Qt widget repainting 150 by 150 pixels at the display
# rate, the least the toolkit and the X server spend on an animation.
# Measure on a quiet machine: other programs' compilers (check `pgrep cc1plus`) share the caches.
set -euo pipefail

seconds=30
runs=3
binary="$(cd "$(dirname "$0")/.." && pwd)/build/bin/zorvagon"
while getopts "d:r:b:" option; do
    case $option in
    d) seconds=$OPTARG ;;
    r) runs=$OPTARG ;;
    b) binary=$(realpath "$OPTARG") ;;
    *) sed -n '2,12p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
states=("$@")
[ ${#states[@]} -gt 0 ] || states=(demo-x1 demo-x3 normal easy-hint paused menu)

# The inner part runs inside xvfb-run: start the game, bring it into the state, measure.
if [ "${MEASURE_CPU_INNER:-}" = 1 ]; then
    state=$1
    ticks_per_second=$(getconf CLK_TCK)
    cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
    x_server_pid() {
        local display=${DISPLAY#:}
        for process in /proc/[0-9]*; do
            if { tr '\0' ' ' <"$process/cmdline"; } 2>/dev/null | grep -q "^Xvfb :${display%%.*} "; then
                basename "$process"
                return
            fi
        done
    }
    ZORVAGON_ROOT=$(mktemp -d)
    export ZORVAGON_ROOT
    [ "$state" = qt-floor ] && GAME=$(dirname "$GAME")/repaint_floor
    started=$(date +%s%N)
    ZORVAGON_REPORT_FIRST_PAINT=1 "$GAME" >/dev/null 2>"$ZORVAGON_ROOT.log" &
    game=$!
    # The game may still be writing into its device root as it ends: wait for it before removing.
    trap 'kill $game 2>/dev/null; wait $game 2>/dev/null || true; rm -rf "$ZORVAGON_ROOT" "$ZORVAGON_ROOT.log"' EXIT
    # Waiting for the first paint before looking for the window: xdotool's search would poll the
    # X server all through the start-up it is timing.
    for _ in $(seq 100); do
        grep -q '^first paint ' "$ZORVAGON_ROOT.log" 2>/dev/null && break
        sleep 0.05
    done
    xdotool search --sync --name Zorvagon >/dev/null
    sleep 1
    # The menu bar lies at the window's top: Game at x 27, Pause at x 236; New is Game's fifth
    # item. The New Game dialog opens with Easy focused; Tab moves to Normal.
    case $state in
    demo-*) ;;
    normal) xdotool mousemove 27 8 click 1 sleep 0.3 mousemove 45 117 click 1 sleep 0.5 key Tab space ;;
    easy-hint)
        xdotool mousemove 27 8 click 1 sleep 0.3 mousemove 45 117 click 1 sleep 0.5 key space
        xdotool mousemove 790 990 # off the window: nothing selected, the hint shows
        sleep 11
        ;;
    paused) xdotool mousemove 236 8 click 1 ;;
    menu) xdotool mousemove 27 8 click 1 ;;
    esac
    sleep 2
    x_server=$(x_server_pid)
    game_before=$(cpu_ticks $game)
    x_before=$(cpu_ticks "$x_server")
    sleep "$SECONDS_TO_MEASURE"
    game_after=$(cpu_ticks $game)
    x_after=$(cpu_ticks "$x_server")
    resident_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$game/status")
    painted=$(awk '/^first paint / {print $3}' "$ZORVAGON_ROOT.log")
    first_paint=-
    [ -n "$painted" ] && first_paint=$(awk -v ns=$((painted - started)) 'BEGIN { printf "%.1f", ns / 1e6 }')
    awk -v g=$((game_after - game_before)) -v x=$((x_after - x_before)) -v hz="$ticks_per_second" \
        -v s="$SECONDS_TO_MEASURE" -v kb="$resident_kb" -v ms="$first_paint" \
        'BEGIN { printf "%.2f %.2f %.1f %s\n", 100 * g / hz / s, 100 * x / hz / s, kb / 1024, ms }'
    exit 0
fi

for tool in xvfb-run xdotool; do
    command -v $tool >/dev/null || { echo "measure-cpu: $tool is missing" >&2; exit 2; }
done
[ -x "$binary" ] || { echo "measure-cpu: no game at $binary (run make build)" >&2; exit 2; }

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "$(basename "$binary"): $runs runs of ${seconds} s per state; % of one core, resident MB, ms"
printf "%-10s %8s %8s %8s %12s   %s\n" state game x-server memory "first paint" \
    "runs (game/x-server/MB/ms)"
for state in "${states[@]}"; do
    screen="800x1000x24" # a client area of 720 by 882: scale 3
    [ "$state" = demo-x1 ] && screen="300x380x24"
    results=()
    for _ in $(seq "$runs"); do
        results+=("$(MEASURE_CPU_INNER=1 GAME="$binary" SECONDS_TO_MEASURE="$seconds" \
            xvfb-run -a -s "-screen 0 $screen" "$0" "$state")")
    done
    column() { printf "%s\n" "${results[@]}" | awk -v c="$1" '{print $c}' | median; }
    printf "%-10s %8s %8s %8s %12s   %s\n" "$state" "$(column 1)" "$(column 2)" "$(column 3)" \
        "$(column 4)" "$(printf "%s; " "${results[@]// //}")"
done
