// The game window's procedure: the menu bar, the commands, and when the board takes the stylus.
#include "game/shell/game_menus.h"
#include "game/themes/theme_loader.h"
#include "shell_fixture.h"

namespace {

std::vector<int> checkedIn(RecordingWindow& window, int button) {
    return window.menuBar->popup(button)->checkedItems();
}

using WindowProcedure = ShellTest;

TEST_F(WindowProcedure, TheMenuBarHasItsFiveButtonsAndPopupsInOrder) {
    ASSERT_TRUE(window.menuBar);
    const MenuBarTemplate& bar = window.menuBar->buttons();
    std::vector<std::pair<int, std::u16string>> buttons;
    for (const auto& button : bar) {
        buttons.emplace_back(button.commandId, button.label);
    }
    EXPECT_EQ(buttons, (std::vector<std::pair<int, std::u16string>>{{40001, u"Game"},
                                                                    {40014, u"Options"},
                                                                    {40025, u"Color"},
                                                                    {40034, u"Speed"},
                                                                    {40032, u"Pause"}}));
    std::vector<int> gameIds;
    for (const auto& item : bar[0].items) {
        gameIds.push_back(item.commandId);
    }
    EXPECT_EQ(gameIds, (std::vector<int>{40004, 40003, 40018, 40013, 40012}));
    EXPECT_EQ(bar[1].items[2].label, u"Show 'This Turn' Score");
    EXPECT_EQ(bar[2].items.size(), 7u);
    EXPECT_EQ(bar[3].items.size(), 4u);
    EXPECT_TRUE(bar[4].items.empty());
    EXPECT_EQ(window.accelerators, (std::vector<std::pair<std::string, int>>{{"Ctrl+A", 40003},
                                                                             {"Ctrl+Q", 1},
                                                                             {"Ctrl+N", 40012},
                                                                             {"Ctrl+H", 40018},
                                                                             {"P", 40032},
                                                                             {"Pause", 40032}}));
}

TEST_F(WindowProcedure, CheckMarksFollowThePreferencesAtCreation) {
    EXPECT_EQ(checkedIn(window, kMenuColor), std::vector<int>{kColorGrey});
    EXPECT_EQ(checkedIn(window, kMenuSpeed), std::vector<int>{kSpeedInstant});
    EXPECT_EQ(checkedIn(window, kMenuOptions), (std::vector<int>{40031, 40017, 40041, 40042}));

    preferences.hintsOn = 0;
    preferences.colorCommand = kColorCyan;
    window.sendMessage({MessageKind::Create});
    EXPECT_EQ(checkedIn(window, kMenuColor), std::vector<int>{kColorCyan});
    EXPECT_FALSE(window.menuBar->popup(kMenuOptions)->itemChecked(kCommandHints));
}

TEST_F(WindowProcedure, AColourOrSpeedMovesTheSingleCheckAndRedrawsTheBoard) {
    clearDirtyFlags();
    window.command(kColorRed);
    EXPECT_EQ(checkedIn(window, kMenuColor), std::vector<int>{kColorRed});
    EXPECT_EQ(preferences.colorCommand, kColorRed);
    EXPECT_TRUE(anyCellDirty());

    clearDirtyFlags();
    window.command(kSpeedFast);
    EXPECT_EQ(checkedIn(window, kMenuSpeed), std::vector<int>{kSpeedFast});
    EXPECT_TRUE(anyCellDirty());
    EXPECT_EQ(readFile("my documents/zorv.prf").size(), kPreferencesBytes);
}

TEST_F(WindowProcedure, TogglesMoveTheirCheckMarkWithoutRedrawing) {
    clearDirtyFlags();
    for (const int id : {kCommandSounds, kCommandHints, kCommandTurnScore}) {
        window.command(id);
        EXPECT_FALSE(window.menuBar->popup(kMenuOptions)->itemChecked(id)) << id;
    }
    EXPECT_FALSE(anyCellDirty());
    EXPECT_EQ(preferences.soundOn, 0);
    window.command(kCommandTransparency);
    EXPECT_FALSE(window.menuBar->popup(kMenuOptions)->itemChecked(kCommandTransparency));
    EXPECT_TRUE(anyCellDirty());
    window.command(kCommandHints);
    EXPECT_TRUE(window.menuBar->popup(kMenuOptions)->itemChecked(kCommandHints));
}

TEST_F(WindowProcedure, TheBoardTakesTheStylusOnlyInAGameAtRestAndRunning) {
    startStillGame(Normal);
    // With a cell already selected, a refused tap neither moves the selection nor clicks.
    auto refused = [&] {
        engine.selection = {1, 1};
        sounds.played.clear();
        window.tapCell(2, 3);
        const bool untouched = engine.selection.column == 1 && sounds.played.empty();
        engine.selection = {};
        return untouched;
    };
    engine.demoMode = true;
    EXPECT_TRUE(refused());
    engine.demoMode = false;
    engine.boardMoving = true;
    EXPECT_TRUE(refused());
    engine.boardMoving = false;
    clock.running = false;
    EXPECT_TRUE(refused());
    clock.running = true;
    clock.messageBoxUp = true;
    EXPECT_TRUE(refused());
    clock.messageBoxUp = false;
    window.size = {239, 294};
    EXPECT_TRUE(refused());
    window.size = {240, 294};

    window.tapCell(2, 3);
    EXPECT_EQ(engine.selection.column, 2);
    EXPECT_EQ(engine.selection.row, 3);
    EXPECT_FALSE(engine.stylusHeld);
    EXPECT_FALSE(sounds.played.empty()); // the stylus-up click
}

TEST_F(WindowProcedure, StylusPointsAreScaledDownAndMovesNeedTheButton) {
    startStillGame(Normal);
    window.size = {480, 600};
    window.sendMessage({.kind = MessageKind::StylusDown,
                        .x = cellCentre(4, 4, 2).x,
                        .y = cellCentre(4, 4, 2).y,
                        .leftButton = true});
    EXPECT_EQ(engine.selection.column, 4);
    EXPECT_TRUE(engine.stylusHeld);
    window.sendMessage(
        {.kind = MessageKind::StylusMove, .x = cellCentre(5, 4, 2).x, .y = cellCentre(5, 4, 2).y});
    EXPECT_EQ(engine.selection.column, 4); // no button: no drag
    EXPECT_EQ(engine.lastSwap.column1, -1);
    window.sendMessage({.kind = MessageKind::StylusMove,
                        .x = cellCentre(5, 4, 2).x,
                        .y = cellCentre(5, 4, 2).y,
                        .leftButton = true});
    EXPECT_NE(engine.lastSwap.column1, -1);
}

TEST_F(WindowProcedure, PointsOutsideTheClientAreaTouchNoCellEvenWhereTheirHalvesWrap) {
    startStillGame(Normal);
    const CellPoint cell = cellCentre(2, 3);
    // In the margins left of and above the client area, 65536 pixels off: the low 16 bits lie
    // on the cell.
    for (const auto& [x, y] : {std::pair{cell.x - 65536, cell.y}, {cell.x, cell.y - 65536}}) {
        window.tap(x, y);
        EXPECT_EQ(engine.selection.column, -1) << x << "," << y;
    }
    window.tapCell(2, 2);
    window.sendMessage(
        {.kind = MessageKind::StylusMove, .x = cell.x - 65536, .y = cell.y, .leftButton = true});
    EXPECT_EQ(engine.lastSwap.column1, -1);
}

TEST_F(WindowProcedure, TheMarginsContinueTheBoardsGround) {
    window.command(kColorRed);
    EXPECT_EQ(window.marginColour, preferences.backgroundColor());
    EXPECT_NE(preferences.backgroundColor(), whiteColour);
    window.command(kCommandTransparency);
    EXPECT_EQ(window.marginColour, whiteColour);
}

TEST_F(WindowProcedure, QuitAndCtrlQPauseThenCloseTheWindow) {
    for (const int id : {kCommandQuit, kCommandQuitKey}) {
        window.closed = false;
        window.quitCode = -1;
        clock.running = true;
        window.command(id);
        EXPECT_TRUE(window.closed);
        EXPECT_FALSE(clock.running);
        EXPECT_EQ(window.quitCode, 0);
        EXPECT_FALSE(window.menuBar);
    }
}

TEST_F(WindowProcedure, NewStartsAGameOnTheChosenLevelAndCancelKeepsTheDemo) {
    const std::vector<Cell> before(std::begin(engine.board), std::end(engine.board));
    dialogs.playDialog([](ScriptedDialog& dialog) { dialog.press(1004); });
    window.command(kCommandNew);
    EXPECT_TRUE(engine.demoMode);
    EXPECT_TRUE(clock.running);

    dialogs.playDialog([](ScriptedDialog& dialog) { dialog.press(1002); });
    window.command(kCommandNew);
    EXPECT_FALSE(engine.demoMode);
    EXPECT_EQ(engine.level, Normal);
    EXPECT_EQ(engine.timeLeftMs, 105000u);
    EXPECT_TRUE(clock.running);
    EXPECT_EQ(dialogs.dialogsShown, (std::vector<std::u16string>{u"New Game", u"New Game"}));
}

TEST_F(WindowProcedure, PauseAboutAndHighScoresPauseAroundTheirBoxes) {
    bool pausedInside = false;
    dialogs.playDialog([&](ScriptedDialog& dialog) {
        pausedInside = !clock.running;
        dialog.pressEnter();
    });
    window.command(kCommandAbout);
    EXPECT_TRUE(pausedInside);
    dialogs.playDialog([](ScriptedDialog& dialog) { dialog.pressEnter(); });
    window.command(kCommandHighScores);
    window.command(kCommandPause);
    EXPECT_EQ(dialogs.dialogsShown, (std::vector<std::u16string>{u"About Zorvagon", u"Dialog"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, u"Paused... Press OK to continue");
    EXPECT_EQ(dialogs.messages[0].caption, u"Pause");
    EXPECT_TRUE(clock.running);
    EXPECT_FALSE(clock.messageBoxUp);
}

TEST_F(WindowProcedure, APaintWhilePausedShowsTheWholeBoard) {
    useBuiltInPieces(game.pieceArt, themeSettings(game));
    startStillGame(Easy);
    frameAt(1016);
    window.sendMessage({MessageKind::MenuOpened});
    EXPECT_FALSE(clock.running);
    clearDirtyFlags();
    window.sendMessage({MessageKind::Paint});
    // The middle of cell (3, 3) shows its piece, not the blank of a fresh buffer.
    ASSERT_FALSE(window.shown.isNull());
    EXPECT_NE(window.shown.pixel(cellCentre(3, 3).x, cellCentre(3, 3).y) & 0xFFFFFF, 0xFFFFFFu);
    window.sendMessage({MessageKind::MenuClosed});
    EXPECT_TRUE(clock.running);
}

TEST_F(WindowProcedure, HelpOpensThePageBesideTheGamesFiles) {
    window.sendMessage({MessageKind::Help});
    ASSERT_EQ(dialogs.helpShown.size(), 1u);
    EXPECT_EQ(dialogs.helpShown[0], (root() / "my documents" / "zorv help.htm").u16string());
    EXPECT_TRUE(clock.running);
}

} // namespace
