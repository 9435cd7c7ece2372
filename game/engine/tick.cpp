// One tick of the rules in the main loop's fixed order, and when a resting board next needs one.
#include "game/engine/tick.h"

#include "game/engine/animation.h"
#include "game/engine/moves.h"
#include "game/engine/scoring.h"

#include <algorithm>

namespace {

bool markedByMarkers(const EngineState& state, int column, int row) {
    const Move& hint = state.hintMove;
    return (column == hint.column1 && row == hint.row1) ||
           (column == hint.column2 && row == hint.row2) ||
           (column == state.selection.column && row == state.selection.row);
}

} // namespace

void runTick(EngineState& state, std::uint32_t elapsedMs) {
    runDownTime(state, elapsedMs);
    tickBoard(state, elapsedMs);
    if (!state.boardMoving && !state.boardWasMoving) {
        searchMoves(state);
    }
    tickEffects(state, elapsedMs);
}

bool boardAtRest(const EngineState& state) {
    if (state.boardMoving || state.boardWasMoving || !state.popups.empty() ||
        !state.sparkles.empty()) {
        return false;
    }
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const Cell& cell = state.cell(column, row);
            if (cell.state != Idle ||
                ((cell.flags & (Dirty | DirtyTail)) && !markedByMarkers(state, column, row))) {
                return false;
            }
        }
    }
    return true;
}

std::uint32_t msUntilRulesDue(const EngineState& state) {
    std::uint32_t due = kNeverDue;
    if (state.level != Easy) {
        due = state.timeLeftMs;
    }
    if (state.turnScoreVisible && state.idleMs <= kTurnScoreShownMs) {
        due = std::min(due, kTurnScoreShownMs + 1 - state.idleMs);
    }
    return due;
}
