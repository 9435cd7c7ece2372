// When the drawing of a resting board next changes by itself: the time bar, the hint frame.
#include "game/render/drawing_due.h"

#include "game/engine/rest.h"
#include "game/render/board_renderer.h"
#include "game/render/status_renderer.h"

#include <algorithm>

namespace {

// The fewest milliseconds after which the bar's right edge lies on another pixel; the time
// running out altogether when it never does before.
std::uint32_t msUntilTimeBarMoves(std::uint32_t timeLeftMs, double scaleX) {
    const int now = timeBarEdge(timeLeftMs, scaleX);
    if (timeLeftMs == 0 || timeBarEdge(0, scaleX) == now) {
        return kNeverDue;
    }
    // The edge only ever moves left as time runs down: search for the first step that moves it.
    std::uint32_t stays = 0;
    std::uint32_t moves = timeLeftMs;
    while (moves - stays > 1) {
        const std::uint32_t middle = stays + (moves - stays) / 2;
        if (timeBarEdge(timeLeftMs - middle, scaleX) == now) {
            stays = middle;
        } else {
            moves = middle;
        }
    }
    return moves;
}

bool hintFrameWaiting(const EngineState& state, const RenderOptions& options) {
    const bool selectionShown = state.selection.column != -1 && !state.stylusHeld;
    return options.hintsOn && state.level != Expert && !selectionShown &&
           state.idleMs <= kHintAfterMs;
}

} // namespace

std::uint32_t msUntilDrawingDue(const EngineState& state, const Scale& scale,
                                const RenderOptions& options) {
    std::uint32_t due = kNeverDue;
    const bool timeBarShown = state.level != Easy && !timeBarRect(scale).empty();
    if (timeBarShown) {
        due = msUntilTimeBarMoves(state.timeLeftMs, scale.x);
    }
    if (hintFrameWaiting(state, options)) {
        due = std::min(due, kHintAfterMs + 1 - state.idleMs);
    }
    return due;
}
