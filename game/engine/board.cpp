// Dealing a board, drawing random pieces and marking cells for redrawing.
#include "game/engine/board.h"

#include "game/engine/engine_services.h"
#include "game/engine/runs.h"

#include <utility>

int randomPiece(EngineState& state) {
    EngineServices& services = servicesOf(state);
    for (;;) {
        const int value = services.randomValue();
        const double scaled = value * (1.0 / 32767) * 7.0;
        const auto piece = static_cast<std::uint8_t>(static_cast<unsigned>(scaled));
        if (piece <= 6) {
            return piece;
        }
    }
}

namespace {

// One pass over the board in row order; returns whether any cell was redrawn.
bool replaceRunCells(EngineState& state) {
    bool changed = false;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (findRun(state, column, row)) {
                state.cell(column, row).kind = static_cast<std::uint8_t>(randomPiece(state));
                changed = true;
            }
        }
    }
    return changed;
}

} // namespace

void newBoard(EngineState& state) {
    for (Cell& cell : state.board) {
        cell = Cell{};
    }
    for (Cell& cell : state.board) {
        cell.kind = static_cast<std::uint8_t>(randomPiece(state));
        cell.flags |= Dirty;
    }
    while (replaceRunCells(state)) {
    }
    state.score = 0;
    state.selection = CellPosition{};
    state.timeLeftMs = kMaxTimeMs;
    // A swap of the previous board must never be undone on the new one.
    state.lastSwap = Move{};
}

void markCell(EngineState& state, int column, int row) {
    Cell& cell = state.cell(column, row);
    cell.flags = static_cast<std::uint16_t>((cell.flags & ~DirtyTail) | Dirty);
}

void setDirty(EngineState& state, int column, int row) {
    state.cell(column, row).flags |= Dirty;
}

void markNeighbours(EngineState& state, int column, int row) {
    if (column > 0) {
        markCell(state, column - 1, row);
    }
    if (column < kColumns - 1) {
        markCell(state, column + 1, row);
    }
    if (row > 0) {
        markCell(state, column, row - 1);
    }
    if (row < kRows - 1) {
        markCell(state, column, row + 1);
    }
}

void markAllCells(EngineState& state) {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            markCell(state, column, row);
        }
    }
}

void clearCell(EngineState& state, int column, int row) {
    Cell& cell = state.cell(column, row);
    cell.state = Empty;
    cell.flags |= Dirty;
    markNeighbours(state, column, row);
}

void exchangePieces(EngineState& state, int column1, int row1, int column2, int row2) {
    std::swap(state.cell(column1, row1).kind, state.cell(column2, row2).kind);
}

void resumeBoard(EngineState& state) {
    state.idleMs = 0;
    markAllCells(state);
}
