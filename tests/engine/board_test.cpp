// Dealing a board, random pieces and the marking of cells for redrawing.
#include "engine_fixture.h"
#include "game/engine/board.h"

namespace {

bool marked(const EngineState& state, int column, int row) {
    const Cell& cell = state.cell(column, row);
    return (cell.flags & Dirty) && !(cell.flags & DirtyTail);
}

int markedCount(const EngineState& state) {
    int count = 0;
    for (const Cell& cell : state.board) {
        count += (cell.flags & Dirty) ? 1 : 0;
    }
    return count;
}

} // namespace

TEST_F(EngineTest, NewBoardsHoldNoRunAndEveryCellRestsDirty) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        services.generator.seed(seed);
        state.score = 77;
        state.selection = {2, 3};
        state.timeLeftMs = 5;
        newBoard(state);
        ASSERT_FALSE(boardHasRun(state)) << "seed " << seed;
        for (const Cell& cell : state.board) {
            ASSERT_EQ(cell.state, Idle);
            ASSERT_EQ(cell.offsetX, 0);
            ASSERT_EQ(cell.offsetY, 0);
            ASSERT_EQ(cell.flags, Dirty);
            ASSERT_LE(cell.kind, 6);
        }
        EXPECT_EQ(state.score, 0);
        EXPECT_EQ(state.selection.column, -1);
        EXPECT_EQ(state.timeLeftMs, kMaxTimeMs);
    }
}

TEST_F(EngineTest, NewBoardKeepsTheGameSettingsButForgetsTheOldSwap) {
    state.level = Expert;
    state.demoMode = true;
    state.chainCount = 3;
    state.turnScore = 40;
    state.popups.push_back({1, 1, 10, 500});
    state.lastSwap = {1, 1, 2, 1};
    newBoard(state);
    EXPECT_EQ(state.level, Expert);
    EXPECT_TRUE(state.demoMode);
    EXPECT_EQ(state.chainCount, 3);
    EXPECT_EQ(state.turnScore, 40);
    EXPECT_EQ(state.popups.size(), 1u);
    EXPECT_EQ(state.lastSwap.column1, -1);
}

TEST_F(EngineTest, RandomPieceDrawsAgainOnTheTopValue) {
    services.scriptedRandom = {32767, 32767, 32766, 0, 4680, 4681};
    EXPECT_EQ(randomPiece(state), 6);
    EXPECT_EQ(randomPiece(state), 0);
    EXPECT_EQ(randomPiece(state), 0);
    EXPECT_EQ(randomPiece(state), 1);
    EXPECT_TRUE(services.scriptedRandom.empty());
}

TEST_F(EngineTest, NeighboursOfCornerEdgeAndInnerCells) {
    markNeighbours(state, 0, 0);
    EXPECT_EQ(markedCount(state), 2);
    EXPECT_TRUE(marked(state, 1, 0) && marked(state, 0, 1));
    EXPECT_FALSE(marked(state, 0, 0));

    state = EngineState{};
    markNeighbours(state, 7, 4);
    EXPECT_EQ(markedCount(state), 3);
    EXPECT_FALSE(marked(state, 7, 4));

    state = EngineState{};
    markNeighbours(state, 3, 5);
    EXPECT_EQ(markedCount(state), 4);
    EXPECT_TRUE(marked(state, 2, 5) && marked(state, 4, 5) && marked(state, 3, 4) &&
                marked(state, 3, 6));
}

TEST_F(EngineTest, MarkingClearsTheTailWhileClearingACellKeepsIt) {
    state.cell(2, 2).flags = Dirty | DirtyTail;
    state.cell(2, 3).flags = Dirty | DirtyTail;
    state.cell(2, 2).kind = 4;
    clearCell(state, 2, 2);
    EXPECT_EQ(state.cell(2, 2).state, Empty);
    EXPECT_EQ(state.cell(2, 2).kind, 4);
    EXPECT_EQ(state.cell(2, 2).flags, Dirty | DirtyTail);
    EXPECT_TRUE(marked(state, 2, 3));

    markAllCells(state);
    EXPECT_EQ(markedCount(state), kCellCount);
    EXPECT_TRUE(marked(state, 2, 2));
}
