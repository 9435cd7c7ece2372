// Runs: three or more like pieces in a row or column, found from one cell.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>
#include <optional>

struct RunCell {
    std::int32_t column = 0;
    std::int32_t row = 0;
};

// A horizontal run lists its cells left to right, a vertical one top to bottom.
struct Run {
    RunCell cells[kColumns] = {};
    std::int32_t count = 0;
};

enum Direction : int {
    WalkLeft = 1,
    WalkRight = 2,
    WalkUp = 3,
    WalkDown = 4,
};

// The far end of the like, non-empty pieces from the cell in the direction.
RunCell walkRun(const EngineState& state, int column, int row, int direction);
// The run through the cell, horizontal first; none for an Empty cell.
std::optional<Run> findRun(const EngineState& state, int column, int row);
// Same count and every cell of a among the cells of b.
bool sameRun(const Run& a, const Run& b);
