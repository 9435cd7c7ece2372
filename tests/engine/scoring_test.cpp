// Points by chain and level, the time bar, and the ageing of pop-ups and sparkles.
#include "board_fixture.h"
#include "engine_fixture.h"
#include "game/engine/animation.h"
#include "game/engine/scoring.h"
#include "game/engine/swaps.h"

TEST_F(EngineTest, RunsPayByLengthChainAndLevel) {
    scoreRun(state, 3, 0, 0);
    EXPECT_EQ(state.score, 10);
    state.level = Normal;
    state.chainCount = 0;
    state.timeLeftMs = 1000;
    scoreRun(state, 3, 0, 0);
    EXPECT_EQ(state.score, 25);
    EXPECT_EQ(state.timeLeftMs, 2400u);
    scoreRun(state, 4, 0, 0);
    EXPECT_EQ(state.popups.back().points, 60);
    EXPECT_EQ(state.timeLeftMs, 8000u);
    state.level = Expert;
    state.chainCount = 1;
    state.timeLeftMs = 0;
    scoreRun(state, 4, 0, 0);
    EXPECT_EQ(state.popups.back().points, 80);
    EXPECT_EQ(state.timeLeftMs, 4000u);
}

TEST_F(EngineTest, TwoRunsOfOneSwapScoreAsAChainOfTwo) {
    // Swapping (3,2) and (3,3) makes a row of 5s; the 6 above then falls into a column of 6s.
    draw({"........", "..6.....", "..565...", "..65....", "..6.....", "........", "........",
          "........"});
    // The new pieces make no run: kinds 6, 5, 6 after the first run, then 4, 2, 4.
    services.scriptedRandom = {28186, 23505, 28186, 18824, 9462, 18824};
    state.chainCount = 7;
    state.turnScore = 99;
    state.selection = {3, 2};
    state.stylusHeld = true;
    stylusDrag(state, cellCentre(3, 3).x, cellCentre(3, 3).y, 1, 1);
    settle();
    ASSERT_EQ(state.popups.size(), 2u);
    EXPECT_EQ(state.popups[0].points, 10);
    EXPECT_EQ(state.popups[1].points, 20);
    EXPECT_EQ(state.turnScore, 30);
    EXPECT_EQ(state.score, 30);
    EXPECT_TRUE(state.turnScoreVisible);
}

TEST_F(EngineTest, TheTimeIsCappedAndNeverWrapsBelowZero) {
    state.level = Normal;
    state.timeLeftMs = 104000;
    scoreRun(state, 5, 1, 1);
    EXPECT_EQ(state.timeLeftMs, kMaxTimeMs);
    runDownTime(state, 4000);
    EXPECT_EQ(state.timeLeftMs, 101000u);
    runDownTime(state, 200000);
    EXPECT_EQ(state.timeLeftMs, 0u);
    runDownTime(state, 1);
    EXPECT_EQ(state.timeLeftMs, 0u);

    state.level = Easy;
    state.timeLeftMs = kMaxTimeMs;
    scoreRun(state, 8, 1, 1);
    runDownTime(state, 5000);
    EXPECT_EQ(state.timeLeftMs, kMaxTimeMs);
}

TEST_F(EngineTest, TheScoreNeverGoesNegativeNorWraps) {
    state.score = 49;
    EXPECT_FALSE(adjustScore(state, -50, 2, 2));
    EXPECT_EQ(state.score, 49);
    EXPECT_TRUE(state.popups.empty());
    state.score = 2147483600;
    state.level = Expert;
    state.chainCount = 1000;
    scoreRun(state, 8, 0, 0);
    EXPECT_EQ(state.score, 2147483647);
}

TEST_F(EngineTest, PopupsAgeByTimeAndSparklesByTicks) {
    state.popups.push_back({2, 3, 10, 1000});
    state.popups.push_back({4, 5, 20, 300});
    state.sparkles.push_back({6, 1, 0});
    tickEffects(state, 300);
    ASSERT_EQ(state.popups.size(), 1u);
    EXPECT_EQ(state.popups[0].lifeMs, 700);
    EXPECT_TRUE(state.cell(4, 5).flags & Dirty);
    tickEffects(state, 699);
    EXPECT_EQ(state.popups.size(), 1u);
    tickEffects(state, 1);
    EXPECT_TRUE(state.popups.empty());

    // Nine ticks count the sparkle up to 9; the tenth removes it.
    EXPECT_EQ(state.sparkles[0].ticks, 3u);
    for (int i = 0; i < 6; ++i) {
        tickEffects(state, 16);
    }
    ASSERT_EQ(state.sparkles.size(), 1u);
    EXPECT_EQ(state.sparkles[0].ticks, 9u);
    tickEffects(state, 16);
    EXPECT_TRUE(state.sparkles.empty());
    EXPECT_TRUE(state.cell(6, 1).flags & Dirty);
}
