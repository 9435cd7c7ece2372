// The resolution pass: every run on a resting board is scored and cleared, or the swap undone.
#include "game/engine/resolution.h"

#include "game/engine/board.h"
#include "game/engine/runs.h"
#include "game/engine/scoring.h"
#include "game/engine/swaps.h"

#include <vector>

namespace {

// Every run, once from each cell that reports it, in row order.
std::vector<Run> collectRuns(const EngineState& state) {
    std::vector<Run> runs;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (auto run = findRun(state, column, row)) {
                runs.push_back(*run);
            }
        }
    }
    return runs;
}

// Keeps the first of each set of equal runs; the others keep their discovery order.
void dropDuplicates(std::vector<Run>& runs) {
    std::vector<Run> kept;
    for (const Run& run : runs) {
        bool seen = false;
        for (const Run& earlier : kept) {
            seen = seen || sameRun(earlier, run);
        }
        if (!seen) {
            kept.push_back(run);
        }
    }
    runs.swap(kept);
}

void scoreAndClear(EngineState& state, const Run& run) {
    int columns = 0;
    int rows = 0;
    for (int i = 0; i < run.count; ++i) {
        columns += run.cells[i].column;
        rows += run.cells[i].row;
    }
    scoreRun(state, run.count, columns / run.count, rows / run.count);
    for (int i = 0; i < run.count; ++i) {
        const RunCell cell = run.cells[i];
        state.sparkles.push_back(Sparkle{cell.column, cell.row, 0});
        clearCell(state, cell.column, cell.row);
    }
}

} // namespace

void resolveMatches(EngineState& state) {
    std::vector<Run> runs = collectRuns(state);
    if (runs.empty()) {
        const Move swap = state.lastSwap;
        if (swap.column1 != -1) {
            swapBack(state, swap.column1, swap.row1, swap.column2, swap.row2);
        }
        return;
    }
    dropDuplicates(runs);
    for (const Run& run : runs) {
        scoreAndClear(state, run);
    }
    state.lastSwap.column1 = -1;
}
