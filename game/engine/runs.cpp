// Runs: three or more like pieces in a row or column, found from one cell.
#include "game/engine/runs.h"

namespace {

bool atEdge(RunCell cell, int direction) {
    switch (direction) {
    case WalkLeft:
        return cell.column == 0;
    case WalkRight:
        return cell.column == kColumns - 1;
    case WalkUp:
        return cell.row == 0;
    default:
        return cell.row == kRows - 1;
    }
}

RunCell step(RunCell cell, int direction) {
    switch (direction) {
    case WalkLeft:
        return {cell.column - 1, cell.row};
    case WalkRight:
        return {cell.column + 1, cell.row};
    case WalkUp:
        return {cell.column, cell.row - 1};
    default:
        return {cell.column, cell.row + 1};
    }
}

Run makeRun(RunCell first, int count, bool horizontal) {
    Run run;
    run.count = count;
    for (int i = 0; i < count; ++i) {
        run.cells[i] = horizontal ? RunCell{first.column + i, first.row}
                                  : RunCell{first.column, first.row + i};
    }
    return run;
}

} // namespace

RunCell walkRun(const EngineState& state, int column, int row, int direction) {
    const std::uint8_t kind = state.cell(column, row).kind;
    RunCell current{column, row};
    RunCell accepted = current;
    for (;;) {
        if (state.cell(current.column, current.row).state == Empty) {
            return accepted;
        }
        accepted = current;
        if (atEdge(current, direction)) {
            return current;
        }
        const RunCell next = step(current, direction);
        if (state.cell(next.column, next.row).kind != kind) {
            return current;
        }
        current = next;
    }
}

std::optional<Run> findRun(const EngineState& state, int column, int row) {
    if (state.cell(column, row).state == Empty) {
        return std::nullopt;
    }
    const RunCell left = walkRun(state, column, row, WalkLeft);
    const RunCell right = walkRun(state, column, row, WalkRight);
    if (right.column - left.column >= 2) {
        return makeRun(left, right.column - left.column + 1, true);
    }
    const RunCell up = walkRun(state, column, row, WalkUp);
    const RunCell down = walkRun(state, column, row, WalkDown);
    if (down.row - up.row >= 2) {
        return makeRun(up, down.row - up.row + 1, false);
    }
    return std::nullopt;
}

bool sameRun(const Run& a, const Run& b) {
    if (a.count != b.count) {
        return false;
    }
    for (int i = 0; i < a.count; ++i) {
        bool found = false;
        for (int j = 0; j < b.count && !found; ++j) {
            found = a.cells[i].column == b.cells[j].column && a.cells[i].row == b.cells[j].row;
        }
        if (!found) {
            return false;
        }
    }
    return true;
}
