// Boards for the tests: one that lies still with no move, and the points that tap its cells.
#pragma once

#include "game/engine/engine_state.h"

// The middle of a cell, in client pixels at a whole scale (design units at scale 1).
struct CellPoint {
    int x = 0;
    int y = 0;
};
inline CellPoint cellCentre(int column, int row, int scale = 1) {
    return {(kBoardLeft + kCellPitch * column + 15) * scale,
            (kBoardTop + kCellPitch * row + 15) * scale};
}

// Kind (column + 2 * row) mod 5 puts no two like pieces side by side, and no swap makes a run.
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
