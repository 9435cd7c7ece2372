#!/usr/bin/env bash
# Starts a headless Wayland compositor at output scale 2, then the game on the toolkit's Wayland
# plugin (no X server to fall back to): its first frame must be painted, a second start must
# hand over to it and end at once, and pixelkiln must come up and stay up. Exit 77 (skipped)
# when no compositor can be started here.
set -uo pipefail
game=$1
pixelkiln=$2
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export ZORVAGON_ROOT=$work/root XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export WAYLAND_DISPLAY=zorvagon-test-$$ QT_QPA_PLATFORM=wayland
unset DISPLAY QT_SCALE_FACTOR
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 \
    --scale=2 --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
    echo "SKIP: the headless compositor did not start:"
    tail -5 "$work/weston.log"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
wait_for() { # wait_for FILE TEXT SECONDS
    for _ in $(seq $(($3 * 10))); do
        grep -q "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

ZORVAGON_REPORT_FIRST_PAINT=1 "$game" 2>"$work/game.log" &
game_pid=$!
pids+=($game_pid)
wait_for "$work/game.log" "^first paint" 20 || fail "the game painted no first frame natively"
grep -i "could not \(load\|find\) the qt platform plugin" "$work/game.log" && fail "no Wayland plugin"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"

# A second start hands its activation token to the first and ends with code 0.
XDG_ACTIVATION_TOKEN=second-start timeout 10 "$game" 2>>"$work/second.log"
status=$?
[ "$status" -eq 0 ] || fail "a second start ended with $status instead of handing over"
kill -0 "$game_pid" 2>/dev/null || fail "the first game ended when a second one started"

"$pixelkiln" 2>"$work/pixelkiln.log" &
pixelkiln_pid=$!
pids+=($pixelkiln_pid)
sleep 2
kill -0 "$pixelkiln_pid" 2>/dev/null || { fail "pixelkiln ended on Wayland"; cat "$work/pixelkiln.log"; }

if [ "$failures" -ne 0 ]; then
    echo "--- game"; cat "$work/game.log"
    exit 1
fi
echo "both programs run natively on Wayland"
