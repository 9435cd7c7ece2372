// Slides, falls and refills tick by tick, with the motion carried exactly between ticks.
#include "engine_fixture.h"
#include "game/engine/animation.h"
#include "game/engine/board.h"
#include "game/engine/swaps.h"

class AnimationTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        draw({"........", "........", "........", "........", "........", "........", "........",
              "........"});
    }
    // Ticks of the given length until the swapped pair has arrived.
    int ticksToArrive(std::uint32_t elapsedMs) {
        int ticks = 0;
        while (state.cell(3, 3).state != Idle && ticks < 1000) {
            tickBoard(state, elapsedMs);
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(AnimationTest, SwapsTakeTheTimeTheirSpeedGivesAtAnyFrameRate) {
    // 29 units at 130 per second: 223 ms, so twelve ticks of 20 ms.
    startSwap(state, 3, 3, 4, 3);
    EXPECT_EQ(ticksToArrive(20), 12);
    EXPECT_EQ(state.cell(4, 3).state, Idle);
    EXPECT_TRUE(state.boardMoving);
    tickBoard(state, 20);
    EXPECT_FALSE(state.boardMoving);
    EXPECT_EQ(services.sounds, std::vector<int>{kSoundSwapBack});

    // Back at 60 per second with 16 ms ticks: 483 ms, so 31 ticks.
    services.swapSpeedValue = 60;
    EXPECT_EQ(ticksToArrive(16), 31);
}

TEST_F(AnimationTest, TheCarryIsDroppedWhileNothingMoves) {
    tickBoard(state, 7);
    EXPECT_EQ(state.swapCarry, 0u);
    startSwap(state, 3, 3, 3, 4);
    tickBoard(state, 7);
    EXPECT_EQ(state.swapCarry, 910u);
    EXPECT_EQ(state.cell(3, 3).offsetY, 29);
    tickBoard(state, 7);
    EXPECT_EQ(state.cell(3, 3).offsetY, 28);
}

TEST_F(AnimationTest, ATickOfNoTimeKeepsAMovingBoardMoving) {
    startSwap(state, 3, 3, 4, 3);
    for (int i = 0; i < 5; ++i) {
        tickBoard(state, 0);
        EXPECT_TRUE(state.boardMoving);
    }
    EXPECT_EQ(state.cell(3, 3).offsetX, 29);
    EXPECT_TRUE(services.sounds.empty());
}

TEST_F(AnimationTest, ALongTickMovesAPieceAtMostOneCell) {
    clearCell(state, 5, 7);
    clearCell(state, 5, 6);
    for (int i = 0; i < 20; ++i) {
        tickBoard(state, 5000);
        for (const Cell& cell : state.board) {
            ASSERT_LE(std::abs(cell.offsetY), 29);
        }
    }
    EXPECT_FALSE(state.boardMoving);
}

TEST_F(AnimationTest, AnEmptiedCellPullsTheWholeColumnDownAndRowZeroRefills) {
    const std::uint8_t above = state.cell(2, 3).kind;
    const std::uint8_t top = state.cell(2, 0).kind;
    state.selection = {1, 1};
    clearCell(state, 2, 4);
    services.scriptedRandom = {0};
    tickBoard(state, 0);
    EXPECT_EQ(state.selection.column, -1);
    for (int row = 0; row <= 4; ++row) {
        EXPECT_EQ(state.cell(2, row).state, SlideDown) << row;
        EXPECT_EQ(state.cell(2, row).offsetY, -29);
        EXPECT_TRUE(state.cell(2, row).flags & Falling);
    }
    EXPECT_EQ(state.cell(2, 4).kind, above);
    EXPECT_EQ(state.cell(2, 1).kind, top);
    EXPECT_EQ(state.cell(2, 0).kind, 0);
}

TEST_F(AnimationTest, AFallingPieceArrivingAboveAHoleFallsOn) {
    Cell& piece = state.cell(6, 3);
    piece.state = SlideDown;
    piece.flags = Falling;
    piece.offsetY = -5;
    piece.kind = 6;
    clearCell(state, 6, 4);
    state.cell(6, 5).state = Idle;
    services.fallSpeedValue = 250; // exactly 5 units in 20 ms
    tickBoard(state, 20);
    EXPECT_EQ(state.cell(6, 3).state, Empty);
    EXPECT_EQ(state.cell(6, 4).state, SlideDown);
    EXPECT_EQ(state.cell(6, 4).offsetY, -29);
    EXPECT_EQ(state.cell(6, 4).kind, 6);

    Cell& bottom = state.cell(1, 7);
    bottom.state = SlideDown;
    bottom.flags = Falling;
    bottom.offsetY = -5;
    tickBoard(state, 20);
    EXPECT_EQ(bottom.state, Idle);
    EXPECT_EQ(bottom.offsetY, 0);
    EXPECT_FALSE(bottom.flags & Falling);
}

TEST_F(AnimationTest, RestingCellsAreDrawnInTwoFramesThenLeftAlone) {
    markCell(state, 0, 0);
    tickBoard(state, 20);
    EXPECT_EQ(state.cell(0, 0).flags, Dirty | DirtyTail);
    tickBoard(state, 20);
    EXPECT_EQ(state.cell(0, 0).flags, 0);
}
