// The resolution pass: which runs a resting board scores, in which order, and where.
#include "engine_fixture.h"
#include "game/engine/resolution.h"

namespace {

int emptyCells(const EngineState& state) {
    int count = 0;
    for (const Cell& cell : state.board) {
        count += cell.state == Empty ? 1 : 0;
    }
    return count;
}

} // namespace

TEST_F(EngineTest, ABlockOfNineScoresThreeRowsAsAChain) {
    draw({"........", "........", "........", ".666....", ".666....", ".666....", "........",
          "........"});
    resolveMatches(state);
    ASSERT_EQ(state.popups.size(), 3u);
    EXPECT_EQ(state.popups[0].points, 10);
    EXPECT_EQ(state.popups[1].points, 20);
    EXPECT_EQ(state.popups[2].points, 30);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(state.popups[i].column, 2);
        EXPECT_EQ(state.popups[i].row, 3 + i);
    }
    EXPECT_EQ(state.score, 60);
    EXPECT_EQ(state.chainCount, 3);
    EXPECT_EQ(emptyCells(state), 9);
    EXPECT_EQ(state.sparkles.size(), 9u);
    EXPECT_EQ(services.sounds, (std::vector<int>{kSoundRun, kSoundRun, kSoundRun}));
}

TEST_F(EngineTest, FourInARowIsScoredOnce) {
    draw({"........", "........", "..5555..", "........", "........", "........", "........",
          "........"});
    state.lastSwap = {2, 2, 2, 3};
    resolveMatches(state);
    ASSERT_EQ(state.popups.size(), 1u);
    EXPECT_EQ(state.popups[0].points, 20);
    EXPECT_EQ(state.popups[0].column, 3);
    EXPECT_EQ(state.lastSwap.column1, -1);
    EXPECT_EQ(emptyCells(state), 4);
}

TEST_F(EngineTest, LTAndPlusShapesScoreBothLinesInScanOrder) {
    // An L at the top left, a T in the middle, a plus at the bottom right.
    draw({"5.......", "5.......", "555.....", "....666.", ".....6..", "..5..6..", ".555....",
          "..5....."});
    resolveMatches(state);
    ASSERT_EQ(state.popups.size(), 6u);
    // Found first: the L's column (from row 0), the L's row, the T's row, the T's column,
    // the plus's column (from row 5), the plus's row.
    const int columns[] = {0, 1, 5, 5, 2, 2};
    const int rows[] = {1, 2, 3, 4, 6, 6};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(state.popups[i].column, columns[i]) << i;
        EXPECT_EQ(state.popups[i].row, rows[i]) << i;
    }
    // The shared corner gets a sparkle from each of its runs.
    int cornerSparkles = 0;
    for (const Sparkle& sparkle : state.sparkles) {
        cornerSparkles += sparkle.column == 0 && sparkle.row == 2 ? 1 : 0;
    }
    EXPECT_EQ(cornerSparkles, 2);
    EXPECT_EQ(emptyCells(state), 5 + 5 + 5);
}

TEST_F(EngineTest, ARowOfEightPutsItsPopupAtTheFourthCell) {
    draw({"........", "........", "........", "........", "66666666", "........", "........",
          "........"});
    resolveMatches(state);
    ASSERT_EQ(state.popups.size(), 1u);
    EXPECT_EQ(state.popups[0].points, 60);
    EXPECT_EQ(state.popups[0].column, 3);
    EXPECT_EQ(state.popups[0].row, 4);
}

TEST_F(EngineTest, APassWithoutRunsUndoesOnlyAPlayersSwap) {
    draw({"........", "........", "........", "........", "........", "........", "........",
          "........"});
    const EngineState before = state;
    resolveMatches(state);
    EXPECT_TRUE(services.sounds.empty());
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(state.board[i].state, before.board[i].state);
        EXPECT_EQ(state.board[i].flags, before.board[i].flags);
    }

    state.lastSwap = {4, 4, 5, 4};
    const std::uint8_t left = state.cell(4, 4).kind;
    resolveMatches(state);
    EXPECT_EQ(services.sounds, std::vector<int>{kSoundSwapBack});
    EXPECT_EQ(state.cell(5, 4).kind, left);
    EXPECT_EQ(state.cell(4, 4).state, SlideLeft);
    EXPECT_EQ(state.lastSwap.column1, -1);
}
