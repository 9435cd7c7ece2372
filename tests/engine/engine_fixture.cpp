// Helpers of the engine tests: settling a board and looking for runs.
#include "engine_fixture.h"

#include "game/engine/animation.h"
#include "game/engine/runs.h"

int settleBoard(EngineState& state, std::uint32_t elapsedMs, int limit) {
    for (int ticks = 1; ticks <= limit; ++ticks) {
        tickBoard(state, elapsedMs);
        if (!state.boardMoving && !state.boardWasMoving) {
            return ticks;
        }
    }
    ADD_FAILURE() << "the board never came to rest";
    return limit;
}

bool boardHasRun(const EngineState& state) {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            if (findRun(state, column, row)) {
                return true;
            }
        }
    }
    return false;
}
