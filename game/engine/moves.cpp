// The move search: the hint, the demo's own moves and the end of a game without moves or time.
#include "game/engine/moves.h"

#include "game/engine/board.h"
#include "game/engine/game_over.h"
#include "game/engine/runs.h"
#include "game/engine/swaps.h"

namespace {

struct Neighbour {
    int dx;
    int dy;
};

// Tried in this order: left, right, up, down.
constexpr Neighbour kNeighbours[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

// Tries the cell's neighbours; true when any works. In demo mode the first one is played.
bool tryCell(EngineState& state, int column, int row, bool& played) {
    bool found = false;
    for (const Neighbour n : kNeighbours) {
        const int otherColumn = column + n.dx;
        const int otherRow = row + n.dy;
        if (!onBoard(otherColumn, otherRow) ||
            !swapMakesRun(state, column, row, otherColumn, otherRow)) {
            continue;
        }
        recordMove(state, column, row, otherColumn, otherRow);
        found = true;
        if (state.demoMode) {
            played = true;
            return true;
        }
    }
    return found;
}

} // namespace

bool swapMakesRun(EngineState& state, int column1, int row1, int column2, int row2) {
    exchangePieces(state, column1, row1, column2, row2);
    const bool run = findRun(state, column1, row1) || findRun(state, column2, row2);
    exchangePieces(state, column1, row1, column2, row2);
    return run;
}

void recordMove(EngineState& state, int column1, int row1, int column2, int row2) {
    state.hintMove = Move{column1, row1, column2, row2};
    if (state.demoMode) {
        startSwap(state, column1, row1, column2, row2);
        state.chainCount = 0;
    }
}

void searchMoves(EngineState& state) {
    if (state.idleMs > kTurnScoreShownMs) {
        state.turnScoreVisible = false;
    }
    bool found = false;
    for (int row = 0; row < kRows && !found; ++row) {
        for (int column = 0; column < kColumns && !found; ++column) {
            bool played = false;
            found = tryCell(state, column, row, played);
            if (played) {
                return;
            }
        }
    }
    if (state.timeLeftMs == 0 && state.level != Easy) {
        gameOver(state, TimeIsUp);
    } else if (!found && state.level != Expert) {
        gameOver(state, NoMovesLeft);
    }
}
