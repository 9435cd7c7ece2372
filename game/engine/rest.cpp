// What a resting board waits for: when the rules next change something without any input.
#include "game/engine/rest.h"

#include "game/engine/moves.h"

#include <algorithm>

namespace {

bool markedByFrames(const EngineState& state, int column, int row) {
    const Move& hint = state.hintMove;
    return (column == hint.column1 && row == hint.row1) ||
           (column == hint.column2 && row == hint.row2) ||
           (column == state.selection.column && row == state.selection.row);
}

} // namespace

bool boardAtRest(const EngineState& state) {
    if (state.boardMoving || state.boardWasMoving || !state.popups.empty() ||
        !state.sparkles.empty()) {
        return false;
    }
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const Cell& cell = state.cell(column, row);
            if (cell.state != Idle ||
                ((cell.flags & (Dirty | DirtyTail)) && !markedByFrames(state, column, row))) {
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
