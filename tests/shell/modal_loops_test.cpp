// The clock stands still inside every dialog and box: resumes wait for the top level.
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "platform/modal_loops.h"
#include "shell_fixture.h"

namespace {

using ModalLoops = ShellTest;

// An activation arriving late, inside a dialog's loop; then the frame timer's chance to fire,
// which it takes only at the top level.
void activateAndTick(RecordingWindow& window) {
    window.sendMessage({.kind = MessageKind::Activate, .activation = Activation::Activated});
    if (window.frames && !insideModalLoop()) {
        window.sendMessage({.kind = MessageKind::Frame});
    }
}

TEST_F(ModalLoops, AResumeInsideADialogWaitsForItsEndAndAPauseCancelsIt) {
    clock.running = true;
    window.frames = true;
    bool runningInside = true;
    dialogs.playDialog([&](ScriptedDialog& dialog) {
        resumeGame(game);
        runningInside = clock.running || window.frames;
        dialog.pressEnter();
    });
    window.command(kCommandHighScores);
    EXPECT_FALSE(runningInside);
    EXPECT_TRUE(clock.running);
    EXPECT_TRUE(window.frames);

    pauseGame(game);
    dialogs.playDialog([this](ScriptedDialog& dialog) {
        resumeGame(game);
        pauseGame(game);
        dialog.pressEnter();
    });
    // A dialog opened with the game paused, as the end of a game opens its own.
    highScoresDialog(dialogs, game.highScores, Normal);
    EXPECT_FALSE(insideModalLoop());
    EXPECT_FALSE(clock.running);
    EXPECT_FALSE(window.frames);
}

TEST_F(ModalLoops, AGameEndsOnceWhateverArrivesInsideItsDialogsAndWithAFailingSave) {
    std::filesystem::remove(root() / "my documents" / "high.scr");
    std::filesystem::create_directories(root() / "my documents" / "high.scr" / "in the way");
    startStillGame(Normal);
    engine.score = 12345;
    dialogs.onMessageBox = [this](const MessageBoxRequest&) { activateAndTick(window); };
    dialogs.playDialog([this](ScriptedDialog& entry) {
        activateAndTick(window);
        entry.type(kNameEdit, u"Ada");
        entry.pressEnter();
        activateAndTick(window);
    });
    dialogs.playDialog([this](ScriptedDialog& viewer) {
        activateAndTick(window);
        viewer.pressEnter();
    });
    resumeGame(game);
    frameAt(1016);
    frameAt(1032);

    EXPECT_EQ(dialogs.dialogsShown, (std::vector<std::u16string>{u"New High Score!", u"Dialog"}));
    std::vector<std::u16string> captions;
    for (const MessageBoxRequest& message : dialogs.messages) {
        captions.push_back(message.caption);
    }
    EXPECT_EQ(captions, (std::vector<std::u16string>{u"Game Over", u"File System Error",
                                                     u"On-Line Password"}));
    int stored = 0;
    for (const HighScoreEntry& entry : game.highScores.table.entries[Normal]) {
        stored += std::u16string_view(entry.name) == u"Ada";
    }
    EXPECT_EQ(stored, 1);
    EXPECT_TRUE(engine.demoMode);
    EXPECT_TRUE(clock.running);
    EXPECT_TRUE(window.frames);
}

TEST_F(ModalLoops, AFatalErrorsBoxShowsWithTheGamePausedAndTheBoardWhole) {
    clock.running = true;
    window.frames = true;
    bool pausedBehind = false;
    dialogs.onMessageBox = [&](const MessageBoxRequest& box) {
        pausedBehind =
            box.caption == u"Error" && !clock.running && !window.frames && clock.messageBoxUp;
    };
    showFatalError(game, u"no bmpDC");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, u"no bmpDC");
    EXPECT_TRUE(pausedBehind);
}

} // namespace
