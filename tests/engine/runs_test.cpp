// Finding runs from one cell: horizontal first, never through an empty cell.
#include "engine_fixture.h"
#include "game/engine/board.h"
#include "game/engine/runs.h"

namespace {

std::string describe(const std::optional<Run>& run) {
    if (!run) {
        return "none";
    }
    std::string text;
    for (int i = 0; i < run->count; ++i) {
        text += std::to_string(run->cells[i].column) + std::to_string(run->cells[i].row) + " ";
    }
    return text;
}

} // namespace

TEST_F(EngineTest, ACrossingCellReportsOnlyTheHorizontalRun) {
    draw({"........", "...5....", "..555...", "...5....", "........", "........", "........",
          "........"});
    EXPECT_EQ(describe(findRun(state, 3, 2)), "22 32 42 ");
    EXPECT_EQ(describe(findRun(state, 3, 1)), "31 32 33 ");
    EXPECT_EQ(describe(findRun(state, 3, 3)), "31 32 33 ");
    EXPECT_EQ(describe(findRun(state, 2, 1)), "none");
}

TEST_F(EngineTest, ABlockOfNineReportsOnlyRows) {
    draw({"........", "........", "........", ".666....", ".666....", ".666....", "........",
          "........"});
    for (int row = 3; row <= 5; ++row) {
        const std::string r = std::to_string(row);
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(describe(findRun(state, column, row)), "1" + r + " 2" + r + " 3" + r + " ");
        }
    }
}

TEST_F(EngineTest, EveryCellOfALongRunReportsTheWholeRun) {
    draw({"........", "........", "........", "........", "........", "........", "........",
          "55555555"});
    const auto whole = findRun(state, 0, 7);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->count, 8);
    for (int column = 0; column < kColumns; ++column) {
        const auto run = findRun(state, column, 7);
        ASSERT_TRUE(run);
        EXPECT_TRUE(sameRun(*run, *whole));
    }
    ::Run three = *whole;
    three.count = 3;
    EXPECT_FALSE(sameRun(three, *whole));
}

TEST_F(EngineTest, ARunStopsAtAnEmptyCellEvenOfTheSameKind) {
    draw({"6.......", "6.......", "6.......", "6.......", "........", "........", "........",
          "........"});
    clearCell(state, 0, 2);
    EXPECT_EQ(describe(findRun(state, 0, 0)), "none");
    EXPECT_EQ(describe(findRun(state, 0, 2)), "none");
    EXPECT_EQ(walkRun(state, 0, 0, WalkDown).row, 1);
    EXPECT_EQ(walkRun(state, 0, 3, WalkUp).row, 3);
}
