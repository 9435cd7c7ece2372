// When a board counts as resting, and what the rules have due on it.
#include "board_fixture.h"
#include "game/engine/tick.h"

#include <gtest/gtest.h>

namespace {

EngineState restingGame() {
    EngineState state = stillBoard(Normal);
    state.timeLeftMs = 30000;
    state.hintMove = {1, 1, 2, 1};
    return state;
}

TEST(BoardAtRest, OnlyWithNothingMovingLivingOrLeftToRedrawButTheFramesMarks) {
    EngineState state = restingGame();
    EXPECT_TRUE(boardAtRest(state));
    state.cell(1, 1).flags = Dirty | DirtyTail; // the hint's cells are marked in every frame
    state.cell(2, 1).flags = Dirty;
    state.selection = {5, 5};
    state.cell(5, 5).flags = Dirty;
    EXPECT_TRUE(boardAtRest(state));

    const auto notResting = [](auto change) {
        EngineState changed = restingGame();
        change(changed);
        return !boardAtRest(changed);
    };
    EXPECT_TRUE(notResting([](EngineState& s) { s.boardMoving = true; }));
    EXPECT_TRUE(notResting([](EngineState& s) { s.boardWasMoving = true; }));
    EXPECT_TRUE(notResting([](EngineState& s) { s.cell(3, 0).state = SlideDown; }));
    EXPECT_TRUE(notResting([](EngineState& s) { s.cell(3, 7).state = Empty; }));
    EXPECT_TRUE(notResting([](EngineState& s) { s.cell(4, 4).flags = DirtyTail; }));
    EXPECT_TRUE(notResting([](EngineState& s) { s.popups.push_back({}); }));
    EXPECT_TRUE(notResting([](EngineState& s) { s.sparkles.push_back({}); }));
}

TEST(RulesDue, TheEndOfTheTimeAndTheTurnScoreGoingOutOfView) {
    EngineState state = restingGame();
    EXPECT_EQ(msUntilRulesDue(state), 30000u);
    state.turnScoreVisible = true;
    state.idleMs = 1000;
    EXPECT_EQ(msUntilRulesDue(state), 1501u);
    state.idleMs = 2501; // hidden by the next search
    EXPECT_EQ(msUntilRulesDue(state), 30000u);
    state.level = Easy;
    EXPECT_EQ(msUntilRulesDue(state), kNeverDue);
    state.level = Expert;
    state.timeLeftMs = 0;
    EXPECT_EQ(msUntilRulesDue(state), 0u);
}

} // namespace
