// The per-tick update: slides, falls, refills, redraw ageing and the moment of rest.
#include "game/engine/animation.h"

#include "game/engine/board.h"
#include "game/engine/engine_services.h"
#include "game/engine/resolution.h"

#include <algorithm>

namespace {

struct Steps {
    int swap = 0;
    int fall = 0;
};

// Whole units of this tick at the speed; the thousandths left over carry to the next tick.
// A step never exceeds one cell, so no piece is ever drawn more than a cell from its place.
int takeStep(std::uint32_t& carry, int speed, std::uint32_t elapsedMs) {
    const std::uint64_t units = static_cast<std::uint64_t>(std::max(speed, 0)) * elapsedMs + carry;
    if (units >= static_cast<std::uint64_t>(kCellPitch) * 1000) {
        carry = 0;
        return kCellPitch;
    }
    carry = static_cast<std::uint32_t>(units % 1000);
    return static_cast<int>(units / 1000);
}

void ageFlags(Cell& cell) {
    if (cell.flags & DirtyTail) {
        cell.flags &= static_cast<std::uint16_t>(~(Dirty | DirtyTail));
    } else if (cell.flags & Dirty) {
        cell.flags |= DirtyTail;
    }
}

// A positive offset shrinks by the step, a negative one grows; at 0 the piece has arrived.
void slide(std::int32_t& offset, Cell& cell, int step, bool fromPositive) {
    offset += fromPositive ? -step : step;
    if (fromPositive ? offset <= 0 : offset >= 0) {
        offset = 0;
        cell.state = Idle;
    }
}

// A piece enters the cell one pitch above it (or with the overshoot) and falls.
void startFall(EngineState& state, int column, int row, std::uint8_t kind, int offsetY) {
    Cell& cell = state.cell(column, row);
    cell.kind = kind;
    cell.state = SlideDown;
    cell.offsetY = offsetY;
    cell.flags |= Falling | Dirty;
    markNeighbours(state, column, row);
    state.boardMoving = true;
}

void slideDown(EngineState& state, int column, int row, Steps steps) {
    Cell& cell = state.cell(column, row);
    state.boardMoving = true;
    const bool falling = cell.flags & Falling;
    cell.offsetY += falling ? steps.fall : steps.swap;
    if (cell.offsetY < 0) {
        return;
    }
    if (falling && row < kRows - 1 && state.cell(column, row + 1).state == Empty) {
        startFall(state, column, row + 1, cell.kind, cell.offsetY - kCellPitch);
        cell.state = Empty;
        return;
    }
    cell.offsetY = 0;
    cell.state = Idle;
    cell.flags &= static_cast<std::uint16_t>(~Falling);
}

void refill(EngineState& state, int column, int row) {
    if (row == 0) {
        startFall(state, column, 0, static_cast<std::uint8_t>(randomPiece(state)), -kCellPitch);
        return;
    }
    Cell& above = state.cell(column, row - 1);
    if (above.state == Idle) {
        startFall(state, column, row, above.kind, -kCellPitch);
        above.state = Empty;
    }
}

void tickCell(EngineState& state, int column, int row, Steps steps) {
    Cell& cell = state.cell(column, row);
    switch (cell.state) {
    case Idle:
        ageFlags(cell);
        break;
    case SlideLeft:
        slide(cell.offsetX, cell, steps.swap, true);
        state.boardMoving = true;
        break;
    case SlideRight:
        slide(cell.offsetX, cell, steps.swap, false);
        state.boardMoving = true;
        break;
    case SlideUp:
        slide(cell.offsetY, cell, steps.swap, true);
        state.boardMoving = true;
        break;
    case SlideDown:
        slideDown(state, column, row, steps);
        break;
    case Empty:
        refill(state, column, row);
        break;
    default:
        // An unknown state cannot come from the engine; treat it as a resting piece.
        cell.state = Idle;
        break;
    }
}

} // namespace

void tickBoard(EngineState& state, std::uint32_t elapsedMs) {
    state.boardWasMoving = state.boardMoving;
    state.boardMoving = false;
    state.idleMs = elapsedMs > UINT32_MAX - state.idleMs ? UINT32_MAX : state.idleMs + elapsedMs;
    EngineServices& services = servicesOf(state);
    const Steps steps{takeStep(state.swapCarry, services.swapSpeed(), elapsedMs),
                      takeStep(state.fallCarry, services.fallSpeed(), elapsedMs)};
    for (int row = kRows - 1; row >= 0; --row) {
        for (int column = 0; column < kColumns; ++column) {
            tickCell(state, column, row, steps);
        }
    }
    if (state.boardMoving) {
        state.selection = CellPosition{};
        return;
    }
    state.swapCarry = 0;
    state.fallCarry = 0;
    if (state.boardWasMoving) {
        state.idleMs = 0;
        resolveMatches(state);
    }
}
