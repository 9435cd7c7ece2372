// The frame clock: measured, wrap-safe time; pauses that hand the engine nothing; the stylus guard.
#include "game/engine/engine_state.h"
#include "game/render/status_renderer.h"
#include "game/shell/game_clock.h"
#include "game/shell/shell_state.h"
#include "game/shell/window_procedure.h"
#include "platform/menu_bar.h"
#include "platform/surface.h"
#include "platform/tick_count.h"
#include "platform/window.h"

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A window that only counts what the shell asks of it.
class CountingWindow final : public Window {
  public:
    PixelSize clientSize() const override { return {240, 294}; }
    void invalidate() override { ++invalidations; }
    void invalidateArea(const PixelRect& area) override {
        ++invalidations;
        areas.push_back(area);
    }
    void present(const Surface& buffer) override { shown = buffer.image().copy(); }
    bool sendMessage(const WindowMessage& message) override {
        return mainWindowProc(*this, message);
    }
    void activate() override {}
    void close() override { closed = true; }
    void postQuit(int) override {}
    void startFrames() override { frames = true; }
    void stopFrames() override { frames = false; }
    bool framesRunning() const override { return frames; }
    void addAccelerator(std::string_view, int) override {}
    MenuBar* createMenuBar(const MenuBarTemplate&) override { return nullptr; }
    void destroyMenuBar() override {}

    int invalidations = 0;
    std::vector<PixelRect> areas;
    QImage shown;
    bool frames = false;
    bool closed = false;
};

class GameClock : public ::testing::Test {
  protected:
    void SetUp() override {
        engine = EngineState{};
        engine.demoMode = false;
        engine.level = Expert; // a board without moves never ends an Expert game
        engine.timeLeftMs = 50000;
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                // No two like neighbours and no move: the board lies still.
                engine.cell(column, row).kind = std::uint8_t((column + 2 * row) % 5);
            }
        }
        shell = ShellState{};
        shell.mainWindow = &window;
    }
    void TearDown() override {
        clearTestClock();
        shell = ShellState{};
    }
    void frameAt(std::uint32_t ms) {
        setTestClock(ms);
        window.sendMessage({MessageKind::Frame});
    }

    CountingWindow window;
};

} // namespace

TEST_F(GameClock, EachFrameHandsTheEngineTheMeasuredTime) {
    setTestClock(1000);
    resumeGame();
    frameAt(1016);
    frameAt(1050);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 50);
    // The first frame draws the whole window; the second moves no pixel of it.
    EXPECT_EQ(window.invalidations, 1);
}

TEST_F(GameClock, AFramePaintsOnlyWhatItChangedAndThePaintShowsIt) {
    setTestClock(1000);
    resumeGame();
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
    resumeGame();
    pauseGame();
    EXPECT_FALSE(window.frames);
    frameAt(600000); // a frame message that arrives while paused does nothing
    EXPECT_EQ(engine.timeLeftMs, 50000u);
    resumeGame();
    EXPECT_TRUE(window.frames);
    frameAt(600020);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 20);
}

TEST_F(GameClock, AWrappedTickCountGivesANormalDelta) {
    setTestClock(0xFFFFFFF0u);
    resumeGame();
    frameAt(0x10);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 32);
}

TEST_F(GameClock, AMenuPausesWhileOpenAndResumesOnce) {
    setTestClock(0);
    resumeGame();
    window.sendMessage({MessageKind::MenuOpened});
    EXPECT_FALSE(shell.running);
    setTestClock(30000);
    window.sendMessage({MessageKind::MenuClosed});
    EXPECT_TRUE(shell.running);
    frameAt(30010);
    EXPECT_EQ(engine.timeLeftMs, 50000u - 10);
}

TEST_F(GameClock, TheStylusIsRefusedInTheDemoWhilePausedAndWhileABoxShows) {
    setTestClock(0);
    resumeGame();
    const WindowMessage tap{MessageKind::StylusDown, 0, Activation::Activated, 4 + 29 * 2 + 5,
                            10 + 29 * 3 + 5};
    engine.demoMode = true;
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, -1);
    engine.demoMode = false;
    shell.messageBoxUp = true;
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, -1);
    shell.messageBoxUp = false;
    pauseGame();
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, -1);
    resumeGame();
    window.sendMessage(tap);
    EXPECT_EQ(engine.selection.column, 2);
    EXPECT_EQ(engine.selection.row, 3);
}

TEST_F(GameClock, QuitAndCtrlQCloseTheWindow) {
    window.sendMessage({MessageKind::Command, kCommandQuitKey});
    EXPECT_TRUE(window.closed);
    EXPECT_FALSE(shell.running); // the deactivation before the close paused the game
}
