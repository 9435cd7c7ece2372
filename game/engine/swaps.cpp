// The player's swaps: stylus points to cells, the selection, starting and undoing swaps.
#include "game/engine/swaps.h"

#include "game/engine/board.h"
#include "game/engine/engine_services.h"
#include "game/engine/scoring.h"

namespace {

constexpr int kBoardRight = 235;
constexpr int kBoardBottom = 241;

void setSlide(Cell& cell, CellState state, int offsetX, int offsetY) {
    cell.state = state;
    cell.offsetX = offsetX;
    cell.offsetY = offsetY;
}

// Exchanges the kinds and starts both slides; false when the cells are not neighbours.
bool applySwapGeometry(EngineState& state, int column1, int row1, int column2, int row2) {
    Cell& first = state.cell(column1, row1);
    Cell& second = state.cell(column2, row2);
    const int dx = column2 - column1;
    const int dy = row2 - row1;
    if (dy == 0 && dx == 1) {
        setSlide(first, SlideLeft, kCellPitch, 0);
        setSlide(second, SlideRight, -kCellPitch, 0);
    } else if (dy == 0 && dx == -1) {
        setSlide(first, SlideRight, -kCellPitch, 0);
        setSlide(second, SlideLeft, kCellPitch, 0);
    } else if (dx == 0 && dy == -1) {
        setSlide(first, SlideDown, 0, -kCellPitch);
        setSlide(second, SlideUp, 0, kCellPitch);
    } else if (dx == 0 && dy == 1) {
        setSlide(first, SlideUp, 0, kCellPitch);
        setSlide(second, SlideDown, 0, -kCellPitch);
    } else {
        return false;
    }
    exchangePieces(state, column1, row1, column2, row2);
    return true;
}

void markPair(EngineState& state, int column1, int row1, int column2, int row2) {
    markCell(state, column1, row1);
    markCell(state, column2, row2);
    markNeighbours(state, column1, row1);
    markNeighbours(state, column2, row2);
}

void dirtyHintCells(EngineState& state) {
    const Move& hint = state.hintMove;
    if (onBoard(hint.column1, hint.row1)) {
        setDirty(state, hint.column1, hint.row1);
    }
    if (onBoard(hint.column2, hint.row2)) {
        setDirty(state, hint.column2, hint.row2);
    }
}

// A touch on a board cell: it is drawn again and the idle count restarts.
std::optional<CellPosition> touchCell(EngineState& state, int x, int y, double scaleX,
                                      double scaleY) {
    const auto cell = pointToCell(x, y, scaleX, scaleY);
    if (cell) {
        markCell(state, cell->column, cell->row);
        state.idleMs = 0;
    }
    return cell;
}

bool isSelected(const EngineState& state, CellPosition cell) {
    return state.selection.column == cell.column && state.selection.row == cell.row;
}

void attemptSwap(EngineState& state, CellPosition target) {
    state.chainCount = 0;
    startSwap(state, state.selection.column, state.selection.row, target.column, target.row);
    state.selection = CellPosition{};
}

} // namespace

std::optional<CellPosition> pointToCell(int x, int y, double scaleX, double scaleY) {
    if (!(scaleX >= 1.0 && scaleY >= 1.0)) {
        return std::nullopt;
    }
    const double designX = x / scaleX;
    const double designY = y / scaleY;
    if (!(designX >= kBoardLeft && designX < kBoardRight + 1 && designY >= kBoardTop &&
          designY < kBoardBottom + 1)) {
        return std::nullopt;
    }
    const int unitX = static_cast<int>(designX);
    const int unitY = static_cast<int>(designY);
    return CellPosition{(unitX - kBoardLeft) / kCellPitch, (unitY - kBoardTop) / kCellPitch};
}

void stylusDown(EngineState& state, int x, int y, double scaleX, double scaleY) {
    const auto cell = touchCell(state, x, y, scaleX, scaleY);
    if (!cell) {
        return;
    }
    if (state.selection.column == -1) {
        state.selection = *cell;
    } else if (isSelected(state, *cell)) {
        state.selection = CellPosition{};
    } else {
        servicesOf(state).playSound(kSoundSelect);
        attemptSwap(state, *cell);
    }
    dirtyHintCells(state);
}

void stylusDrag(EngineState& state, int x, int y, double scaleX, double scaleY) {
    const auto cell = touchCell(state, x, y, scaleX, scaleY);
    if (!cell || state.selection.column == -1 || isSelected(state, *cell)) {
        return;
    }
    state.stylusHeld = false;
    attemptSwap(state, *cell);
    dirtyHintCells(state);
}

void stylusUp(EngineState& state) {
    state.stylusHeld = false;
    if (state.selection.column != -1) {
        servicesOf(state).playSound(kSoundSelect);
    }
}

void startSwap(EngineState& state, int column1, int row1, int column2, int row2) {
    if (!onBoard(column1, row1) || !onBoard(column2, row2)) {
        return;
    }
    markPair(state, column1, row1, column2, row2);
    if (applySwapGeometry(state, column1, row1, column2, row2)) {
        state.lastSwap = Move{column1, row1, column2, row2};
    }
}

void swapBack(EngineState& state, int column1, int row1, int column2, int row2) {
    if (!onBoard(column1, row1) || !onBoard(column2, row2)) {
        state.lastSwap = Move{};
        return;
    }
    if (state.level == Expert && adjustScore(state, -50, column2, row2)) {
        return;
    }
    servicesOf(state).playSound(kSoundSwapBack);
    markPair(state, column1, row1, column2, row2);
    applySwapGeometry(state, column1, row1, column2, row2);
    state.lastSwap = Move{};
}
