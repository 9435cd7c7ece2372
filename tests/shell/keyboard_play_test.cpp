// Play by keyboard: the cursor, taps on its cell, Escape, and the stylus's guard.
#include "game/shell/keyboard_play.h"
#include "shell_fixture.h"

namespace {

class KeyboardPlay : public ShellTest {
  protected:
    KeyboardCursor& keyboardCursor = game.keyboardCursor;
    void SetUp() override {
        ShellTest::SetUp();
        keyboardCursor = KeyboardCursor{};
        startStillGame(Normal);
    }
    void press(GameKey key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            window.sendMessage({.kind = MessageKind::KeyDown, .key = key});
        }
    }
    bool cursorAt(int column, int row) const {
        return keyboardCursor.shown && keyboardCursor.column == column && keyboardCursor.row == row;
    }
    bool selected(int column, int row) const {
        return engine.selection.column == column && engine.selection.row == row;
    }
};

TEST_F(KeyboardPlay, TheFirstArrowShowsTheCursorWhichThenMovesAndStopsAtTheEdges) {
    EXPECT_FALSE(keyboardCursor.shown);
    press(GameKey::Right);
    EXPECT_TRUE(cursorAt(0, 0));
    press(GameKey::Left);
    press(GameKey::Up);
    EXPECT_TRUE(cursorAt(0, 0));
    press(GameKey::Right, 3);
    press(GameKey::Down, 2);
    EXPECT_TRUE(cursorAt(3, 2));
    press(GameKey::Right, 10);
    press(GameKey::Down, 10);
    EXPECT_TRUE(cursorAt(kColumns - 1, kRows - 1));
    // Both cells the cursor left and entered are drawn again.
    clearDirtyFlags();
    press(GameKey::Left);
    EXPECT_TRUE(engine.cell(7, 7).flags & Dirty);
    EXPECT_TRUE(engine.cell(6, 7).flags & Dirty);
}

TEST_F(KeyboardPlay, TheTapKeySelectsThenSwapsWithANeighbourWithTheTapsSounds) {
    press(GameKey::Down);
    press(GameKey::Right, 2);
    press(GameKey::Down, 2);
    ASSERT_TRUE(cursorAt(2, 2));
    press(GameKey::Tap);
    EXPECT_TRUE(selected(2, 2));
    EXPECT_EQ(sounds.played.size(), 1u); // the click as the tap lets go
    press(GameKey::Right);
    sounds.played.clear();
    press(GameKey::Tap);
    EXPECT_EQ(engine.selection.column, -1);
    EXPECT_TRUE(engine.boardMoving || engine.lastSwap.column1 == 2);
    EXPECT_EQ(sounds.played.size(), 1u);
}

TEST_F(KeyboardPlay, TheTapKeyOnADistantCellOnlyLetsGoAndEscapeClearsTheSelection) {
    press(GameKey::Down);
    press(GameKey::Tap);
    ASSERT_TRUE(selected(0, 0));
    press(GameKey::Right, 3);
    press(GameKey::Tap);
    EXPECT_EQ(engine.selection.column, -1);
    EXPECT_FALSE(engine.boardMoving);

    press(GameKey::Tap);
    ASSERT_TRUE(selected(3, 0));
    clearDirtyFlags();
    sounds.played.clear();
    press(GameKey::Escape);
    EXPECT_EQ(engine.selection.column, -1);
    EXPECT_TRUE(engine.cell(3, 0).flags & Dirty);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(KeyboardPlay, KeysAreRefusedAsTheStylusIsAndRestartTheIdleTime) {
    const auto refusedWhen = [this](auto&& setUp) {
        startStillGame(Normal);
        engine.boardMoving = false;
        clock.messageBoxUp = false;
        keyboardCursor = KeyboardCursor{};
        setUp();
        press(GameKey::Right);
        press(GameKey::Tap);
        return !keyboardCursor.shown && engine.selection.column == -1;
    };
    EXPECT_TRUE(refusedWhen([this] { engine.demoMode = true; }));
    EXPECT_TRUE(refusedWhen([this] { engine.boardMoving = true; }));
    EXPECT_TRUE(refusedWhen([this] { pauseGame(game); }));
    EXPECT_TRUE(refusedWhen([this] { clock.messageBoxUp = true; }));
    EXPECT_FALSE(refusedWhen([this] {}));

    engine.idleMs = 9000;
    press(GameKey::Up);
    EXPECT_EQ(engine.idleMs, 0u);
}

TEST_F(KeyboardPlay, TheStylusHidesTheCursorUntilTheNextArrow) {
    press(GameKey::Right, 2);
    ASSERT_TRUE(cursorAt(1, 0));
    window.tapCell(4, 4);
    EXPECT_FALSE(keyboardCursor.shown);
    EXPECT_TRUE(selected(4, 4));
    // The next arrow shows the cursor on the cell the stylus chose.
    press(GameKey::Right);
    EXPECT_TRUE(cursorAt(4, 4));
}

} // namespace
