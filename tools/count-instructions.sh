#!/bin/bash
# Instructions the game spends per frame of the demo at scale 3, counted by callgrind.
#
#   tools/count-instructions.sh [-d SECONDS] [-b BINARY]
#
# Starts the game under Xvfb on a fresh device root with callgrind's instrumentation off, lets the
# demo run for a while, then counts every instruction of every thread for SECONDS (default 10)
# and divides by the frames delivered meanwhile. Under callgrind the game runs slower, so each
# frame covers more time and moves more pixels than at full speed: the figure errs high.
# With -b build/bin/repaint_floor it counts the bare toolkit's animation (`qt-floor`) alike.
set -euo pipefail

seconds=10
binary="$(cd "$(dirname "$0")/.." && pwd)/build/bin/zorvagon"
while getopts "d:b:" option; do
    case $option in
    d) seconds=$OPTARG ;;
    b) binary=$(realpath "$OPTARG") ;;
    *) sed -n '2,11p' "$0" >&2; exit 2 ;;
    esac
done

if [ "${COUNT_INSTRUCTIONS_INNER:-}" = 1 ]; then
    ZORVAGON_ROOT=$(mktemp -d)
    export ZORVAGON_ROOT
    output=$(mktemp -d)
    trap 'kill $game 2>/dev/null; wait $game 2>/dev/null || true; rm -rf "$ZORVAGON_ROOT" "$output"' EXIT
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$output/counts" \
        "$GAME" >/dev/null 2>&1 &
    game=$!
    sleep 15 # start-up under callgrind, then the demo under way
    callgrind_control -i on $game >/dev/null 2>&1
    sleep "$seconds"
    callgrind_control -d $game >/dev/null 2>&1
    total=$(callgrind_annotate "$output"/counts.* | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
    frames=$(callgrind_annotate --tree=calling "$output"/counts.* | grep '=> .*FrameTimer::fire() (' |
        sed -n '1s/.*(\([0-9,]*\)x).*/\1/p' | tr -d ',')
    echo "$total instructions over $frames frames: $((total / frames)) per frame"
    exit 0
fi

for tool in xvfb-run valgrind callgrind_control; do
    command -v $tool >/dev/null || { echo "count-instructions: $tool is missing" >&2; exit 2; }
done
[ -x "$binary" ] || { echo "count-instructions: no game at $binary (run make build)" >&2; exit 2; }
COUNT_INSTRUCTIONS_INNER=1 GAME="$binary" xvfb-run -a -s "-screen 0 800x1000x24" "$0" -d "$seconds"
