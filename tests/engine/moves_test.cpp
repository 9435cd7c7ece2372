// The move search: the hint, the demo's moves, and every way a game ends.
#include "engine_fixture.h"
#include "game/engine/moves.h"

namespace {

// The 5 at (1,1) makes a run by moving right (into row 1) and by moving down (into row 2).
const std::vector<std::string> kTwoWays = {"........", ".5.55...", "..55....", "........",
                                           "........", "........", "........", "........"};

const std::vector<std::string> kNoMoves = {"........", "........", "........", "........",
                                           "........", "........", "........", "........"};

} // namespace

TEST_F(EngineTest, TheHintIsTheLastWorkingDirectionOfTheFirstCell) {
    draw(kTwoWays);
    searchMoves(state);
    EXPECT_EQ(state.hintMove.column1, 1);
    EXPECT_EQ(state.hintMove.row1, 1);
    EXPECT_EQ(state.hintMove.column2, 1);
    EXPECT_EQ(state.hintMove.row2, 2);
    EXPECT_EQ(state.cell(1, 1).state, Idle);
    EXPECT_TRUE(services.calls.empty());
}

TEST_F(EngineTest, TheDemoPlaysTheFirstWorkingDirection) {
    draw(kTwoWays);
    state.demoMode = true;
    state.chainCount = 5;
    searchMoves(state);
    EXPECT_EQ(state.hintMove.column2, 2);
    EXPECT_EQ(state.hintMove.row2, 1);
    EXPECT_EQ(state.cell(1, 1).state, SlideLeft);
    EXPECT_EQ(state.chainCount, 0);
    EXPECT_EQ(state.lastSwap.column1, 1);
}

TEST_F(EngineTest, TheTurnScoreGoesOutOfViewAfterTheBoardRested) {
    draw(kTwoWays);
    state.turnScoreVisible = true;
    state.idleMs = 2500;
    searchMoves(state);
    EXPECT_TRUE(state.turnScoreVisible);
    state.idleMs = 2501;
    searchMoves(state);
    EXPECT_FALSE(state.turnScoreVisible);
}

TEST_F(EngineTest, EasyAndNormalEndWhenNoMoveIsLeft) {
    for (int level : {Easy, Normal}) {
        services.calls.clear();
        services.messages.clear();
        draw(kNoMoves);
        state.level = level;
        state.demoMode = false;
        state.score = 500;
        searchMoves(state);
        EXPECT_EQ(services.calls,
                  (std::vector<std::string>{"pause", "message", "isHighScore", "resume"}));
        EXPECT_EQ(services.messages.at(0), u"Game Over|No moves left.  Game over.");
        EXPECT_EQ(state.level, Easy);
        EXPECT_TRUE(state.demoMode);
        EXPECT_EQ(state.score, 0);
        EXPECT_FALSE(boardHasRun(state));
    }
}

TEST_F(EngineTest, TimedGamesEndWhenTheTimeIsUpEvenWithMovesLeft) {
    for (int level : {Normal, Expert}) {
        services.messages.clear();
        draw(kTwoWays);
        state.level = level;
        state.demoMode = false;
        state.timeLeftMs = 0;
        searchMoves(state);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0], u"Game Over|Time is up.  Game over.");
        EXPECT_TRUE(state.demoMode);
    }
    // With no move left as well, the time is still the reason given.
    services.messages.clear();
    draw(kNoMoves);
    state.level = Normal;
    state.demoMode = false;
    state.timeLeftMs = 0;
    searchMoves(state);
    EXPECT_EQ(services.messages.at(0), u"Game Over|Time is up.  Game over.");
}

TEST_F(EngineTest, ExpertNeverEndsForLackOfMovesAndEasyNeverForTime) {
    draw(kNoMoves);
    state.level = Expert;
    state.timeLeftMs = 1;
    searchMoves(state);
    EXPECT_TRUE(services.calls.empty());
    EXPECT_FALSE(state.demoMode);

    draw(kTwoWays);
    state.level = Easy;
    state.timeLeftMs = 0;
    searchMoves(state);
    EXPECT_TRUE(services.calls.empty());
}

TEST_F(EngineTest, AHighScoreRunsTheNameEntryViewerAndPassword) {
    draw(kNoMoves);
    state.level = Normal;
    state.score = 1234;
    services.highScore = true;
    services.passwordToIssue = u"Kx9Zq7Yb2Wm4Pp3Rr8T";
    searchMoves(state);
    EXPECT_EQ(services.calls,
              (std::vector<std::string>{"pause", "message", "isHighScore", "pause", "nameEntry",
                                        "viewer 1", "message", "resume", "resume"}));
    EXPECT_EQ(services.messages.at(1),
              u"On-Line Password|Your password is: Kx9Zq7Yb2Wm4Pp3Rr8T\nClick on your name in "
              u"the high scores at any time to see the password again.");
    EXPECT_EQ(state.level, Easy);
}

TEST_F(EngineTest, TheDemoWithoutMovesQuietlyDealsANewBoard) {
    draw(kNoMoves);
    state.demoMode = true;
    services.highScore = true;
    searchMoves(state);
    EXPECT_EQ(services.calls, (std::vector<std::string>{"pause", "resume"}));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(boardHasRun(state));
}
