// A board that lies still and has no move: kind (column + 2 * row) mod 5 puts no two like
// pieces side by side, and no swap makes a run.
#pragma once

#include "game/engine/engine_state.h"

inline void layStillBoard(EngineState& state) {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            state.cell(column, row) = Cell{};
            state.cell(column, row).kind = std::uint8_t((column + 2 * row) % 5);
        }
    }
}

// A game in progress on a still board, with time left.
inline EngineState stillBoard(int level) {
    EngineState state;
    state.demoMode = false;
    state.level = level;
    state.timeLeftMs = 50000;
    layStillBoard(state);
    return state;
}
