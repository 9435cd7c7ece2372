// The frame clock: measured, wrap-safe time; pauses that hand the engine nothing; the stylus guard.
#include "game/engine/tick.h"
#include "game/render/renderer.h"
#include "shell_fixture.h"

#include <climits>

namespace {

// A game on Expert (where a board without moves never ends) lying still.
class GameClock : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        layStillGame(engine, Expert);
        engine.timeLeftMs = 50000;
    }
    // A drag's move and a lifted stylus, off the board.
    void drag() {
        window.sendMessage({.kind = MessageKind::StylusMove, .x = 1, .y = 1, .leftButton = true});
    }
    void lift() { window.sendMessage({.kind = MessageKind::StylusUp, .x = 1, .y = 1}); }
};

} // namespace

TEST_F(GameClock, EachFrameHandsTheEngineTheMeasuredTime) {
    setTestClock(1000);
    resumeGame(game);
    frameAt(1016);
    frameAt(1050);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 50);
    // The first frame draws the whole window; the second moves no pixel of it.
    EXPECT_EQ(window.invalidations, 1);
}

TEST_F(GameClock, AFramePaintsOnlyWhatItChangedAndThePaintShowsIt) {
    setTestClock(1000);
    resumeGame(game);
    frameAt(1016);
    window.areas.clear();
    frameAt(1032);
    EXPECT_TRUE(window.areas.empty());

    // Ten seconds less on the clock shorten the time bar, and only the time bar is painted.
    engine.timeLeftMs -= 10000;
    frameAt(1048);
    ASSERT_FALSE(window.areas.empty());
    for (const PixelRect& area : window.areas) {
        EXPECT_GE(area.left, 10);
        EXPECT_LE(area.right, 231);
        EXPECT_GE(area.top, 260);
        EXPECT_LE(area.bottom, 266);
    }
    window.sendMessage({MessageKind::Paint});
    ASSERT_FALSE(window.shown.isNull());
    const int right = timeBarRight(engine.timeLeftMs);
    EXPECT_EQ(window.shown.pixel(right + 2, 262), qRgb(0, 0, 0));
    EXPECT_EQ(window.shown.pixel(right - 2, 262), qRgb(255, 255, 255));
}

TEST_F(GameClock, APauseOfAnyLengthHandsTheEngineNoTime) {
    setTestClock(1000);
    resumeGame(game);
    pauseGame(game);
    EXPECT_FALSE(window.frames);
    frameAt(600000); // a frame message that arrives while paused does nothing
    EXPECT_EQ(engine.timeLeftMs, 50000u);
    resumeGame(game);
    EXPECT_TRUE(window.frames);
    frameAt(600020);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 20);
}

TEST_F(GameClock, AWrappedTickCountGivesANormalDelta) {
    setTestClock(0xFFFFFFF0u);
    resumeGame(game);
    frameAt(0x10);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 32);
}

TEST_F(GameClock, AMenuPausesWhileOpenAndResumesOnce) {
    setTestClock(0);
    resumeGame(game);
    window.sendMessage({MessageKind::MenuOpened});
    EXPECT_FALSE(clock.running);
    setTestClock(30000);
    window.sendMessage({MessageKind::MenuClosed});
    EXPECT_TRUE(clock.running);
    frameAt(30010);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 10);
}

TEST_F(GameClock, TheStylusIsRefusedInTheDemoWhilePausedAndWhileABoxShows) {
    setTestClock(0);
    resumeGame(game);
    const WindowMessage tap{MessageKind::StylusDown, 0, Activation::Activated, cellCentre(2, 3).x,
                            cellCentre(2, 3).y};
    engine.demoMode = true;
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, -1);
    engine.demoMode = false;
    clock.messageBoxUp = true;
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, -1);
    clock.messageBoxUp = false;
    pauseGame(game);
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, -1);
    resumeGame(game);
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, 2);
    EXPECT_EQ(engine.selection.row, 3);
}

TEST_F(GameClock, QuitAndCtrlQCloseTheWindow) {
    window.sendMessage({MessageKind::Command, kCommandQuitKey});
    EXPECT_TRUE(window.closed);
    EXPECT_FALSE(clock.running); // the deactivation before the close paused the game
}

TEST(NextFrame, RestsOnlyOnABoardAtRestAfterAnyBurstAndUntilWhatIsDue) {
    struct Case {
        bool atRest;
        std::uint32_t msUntilDue;
        bool awake;
        NextFrame next;
    };
    const Case cases[] = {
        {false, 500, false, NextFrame::atDisplayPace()},
        {true, 500, true, NextFrame::atDisplayPace()},
        {true, 500, false, NextFrame::after(500)},
        {true, 0xF0000000u, false, NextFrame::after(INT_MAX)},
        {true, kNeverDue, false, NextFrame::never()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextFrame(c.atRest, c.msUntilDue, c.awake), c.next) << c.msUntilDue;
    }
}

TEST_F(GameClock, ADragKeepsTheDisplaysPaceAWhileInWhichInputRunsNoFrameOfItsOwn) {
    setTestClock(1000);
    resumeGame(game);
    // A resume redraws every cell, in two frames; the board then rests until the bar moves.
    for (const std::uint32_t at : {1016u, 1032u, 1048u}) {
        frameAt(at);
    }
    ASSERT_TRUE(window.restMs.has_value());
    // The rest ends with the time slept, before the drag is handled.
    setTestClock(1100);
    drag();
    EXPECT_EQ(engine.timeLeftMs, 50000u - 100);
    frameAt(1116);
    EXPECT_FALSE(window.restMs.has_value());
    // Frames keep coming: the stylus lifted in between runs no frame.
    setTestClock(1120);
    lift();
    EXPECT_EQ(engine.timeLeftMs, 50000u - 116);
    frameAt(3099);
    EXPECT_FALSE(window.restMs.has_value());
    frameAt(3116);
    ASSERT_TRUE(window.restMs.has_value());
    // A lone tap on a resting board ends the rest, and the board rests again at once.
    setTestClock(3500);
    lift();
    EXPECT_EQ(engine.timeLeftMs, 50000u - 2500);
    frameAt(3516);
    EXPECT_TRUE(window.restMs.has_value());
}
