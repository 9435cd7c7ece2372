// Tapping and dragging: selection, swaps of neighbours, and swaps that make no run.
#include "board_fixture.h"
#include "engine_fixture.h"
#include "game/engine/swaps.h"

class SwapTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        draw({"........", "........", "........", "........", "........", "........", "........",
              "........"});
    }
    void tap(int column, int row) {
        state.stylusHeld = true;
        const CellPoint at = cellCentre(column, row);
        stylusDown(state, at.x, at.y, 1.0, 1.0);
    }
    void lift() { stylusUp(state); }
    void drag(int column, int row) {
        const CellPoint at = cellCentre(column, row);
        stylusDrag(state, at.x, at.y, 1.0, 1.0);
    }
};

TEST_F(SwapTest, TappingTheSelectedCellAgainDeselectsSilently) {
    tap(3, 3);
    EXPECT_EQ(state.selection.column, 3);
    EXPECT_EQ(state.selection.row, 3);
    lift();
    tap(3, 3);
    lift();
    EXPECT_EQ(state.selection.column, -1);
    EXPECT_EQ(services.sounds, std::vector<int>{kSoundSelect});
    EXPECT_EQ(state.lastSwap.column1, -1);
}

TEST_F(SwapTest, TappingADistantCellOnlyDeselects) {
    state.chainCount = 4;
    tap(1, 1);
    lift();
    tap(3, 1);
    EXPECT_EQ(services.sounds, (std::vector<int>{kSoundSelect, kSoundSelect}));
    lift();
    EXPECT_EQ(services.sounds.size(), 2u);
    EXPECT_EQ(state.selection.column, -1);
    EXPECT_EQ(state.lastSwap.column1, -1);
    EXPECT_EQ(state.chainCount, 0);
    EXPECT_EQ(state.cell(1, 1).state, Idle);
}

TEST_F(SwapTest, TappingANeighbourSwapsAndSlidesBothPieces) {
    const std::uint8_t upper = state.cell(2, 4).kind;
    const std::uint8_t lower = state.cell(2, 5).kind;
    state.idleMs = 9000;
    tap(2, 4);
    tap(2, 5);
    EXPECT_EQ(state.idleMs, 0u);
    EXPECT_EQ(state.cell(2, 4).kind, lower);
    EXPECT_EQ(state.cell(2, 5).kind, upper);
    EXPECT_EQ(state.cell(2, 4).state, SlideUp);
    EXPECT_EQ(state.cell(2, 4).offsetY, 29);
    EXPECT_EQ(state.cell(2, 5).state, SlideDown);
    EXPECT_EQ(state.cell(2, 5).offsetY, -29);
    EXPECT_FALSE(state.cell(2, 5).flags & Falling);
    EXPECT_EQ(state.lastSwap.column1, 2);
    EXPECT_EQ(state.lastSwap.row1, 4);
    EXPECT_EQ(state.lastSwap.row2, 5);
}

TEST_F(SwapTest, DraggingOntoANeighbourSwapsWithoutSound) {
    tap(5, 2);
    drag(5, 2);
    EXPECT_TRUE(state.stylusHeld);
    drag(4, 2);
    EXPECT_FALSE(state.stylusHeld);
    EXPECT_TRUE(services.sounds.empty());
    EXPECT_EQ(state.cell(5, 2).state, SlideRight);
    EXPECT_EQ(state.cell(5, 2).offsetX, -29);
    EXPECT_EQ(state.cell(4, 2).state, SlideLeft);
    EXPECT_EQ(state.selection.column, -1);
}

TEST_F(SwapTest, DraggingDiagonallyMovesNothing) {
    tap(5, 2);
    drag(6, 3);
    EXPECT_EQ(state.selection.column, -1);
    EXPECT_EQ(state.lastSwap.column1, -1);
    EXPECT_EQ(state.cell(5, 2).state, Idle);
    EXPECT_EQ(state.cell(6, 3).state, Idle);
}

TEST_F(SwapTest, PointsJustPastTheBoardAreIgnored) {
    EXPECT_FALSE(pointToCell(236, 100, 1, 1));
    EXPECT_FALSE(pointToCell(237, 100, 1, 1));
    EXPECT_FALSE(pointToCell(100, 242, 1, 1));
    EXPECT_FALSE(pointToCell(100, 243, 1, 1));
    EXPECT_FALSE(pointToCell(3, 100, 1, 1));
    EXPECT_FALSE(pointToCell(-1, 100, 1, 1));
    EXPECT_FALSE(pointToCell(100, 100, 0, 1));
    const auto corner = pointToCell(235, 241, 1, 1);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->column, 7);
    EXPECT_EQ(corner->row, 7);
    const auto scaled = pointToCell(2 * 33, 3 * 39, 2, 3);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->column, 1);
    EXPECT_EQ(scaled->row, 1);
    stylusDown(state, 236, 100, 1, 1);
    EXPECT_EQ(state.selection.column, -1);
}

TEST_F(SwapTest, ASwapThatMakesNoRunSlidesBack) {
    const EngineState before = state;
    tap(0, 0);
    tap(1, 0);
    settle();
    EXPECT_EQ(services.sounds, (std::vector<int>{kSoundSelect, kSoundSwapBack}));
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(state.board[i].kind, before.board[i].kind);
        EXPECT_EQ(state.board[i].state, Idle);
    }
    EXPECT_EQ(state.lastSwap.column1, -1);
}

TEST_F(SwapTest, OnExpertAFailedSwapCostsFiftyWhileTheScoreAllows) {
    state.level = Expert;
    state.score = 49;
    tap(0, 0);
    tap(1, 0);
    settle();
    EXPECT_EQ(state.score, 49);
    EXPECT_TRUE(state.popups.empty());
    EXPECT_EQ(services.sounds.back(), kSoundSwapBack);

    services.sounds.clear();
    state.score = 50;
    state.turnScore = 30;
    const std::uint8_t first = state.cell(0, 0).kind;
    tap(0, 0);
    tap(1, 0);
    settle();
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.turnScore, 30);
    ASSERT_EQ(state.popups.size(), 1u);
    EXPECT_EQ(state.popups[0].points, -50);
    EXPECT_EQ(state.popups[0].column, 1);
    EXPECT_EQ(state.popups[0].row, 0);
    EXPECT_EQ(state.cell(1, 0).kind, first);
    EXPECT_EQ(services.sounds, std::vector<int>{kSoundSelect});
}
