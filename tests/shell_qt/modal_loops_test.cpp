// No frame runs inside a modal loop: dialogs and boxes opened by the game, and the end of a game.
#include "game/scores/score_dialog_ids.h"
#include "game/shell/about_dialog.h"
#include "qt_shell_fixture.h"

namespace {

using ModalLoops = QtShellTest;

// Whether the window is the modal's owner, or its owner's, and so on.
bool ownedBy(const QWidget& modal, const QWidget* window) {
    for (const QWidget* owner = modal.parentWidget(); owner; owner = owner->parentWidget()) {
        if (owner == window) {
            return true;
        }
    }
    return false;
}

int entriesNamed(const HighScoreTable& table, int level, std::u16string_view name) {
    int count = 0;
    for (const HighScoreEntry& entry : table.entries[level]) {
        count += std::u16string_view(entry.name) == name;
    }
    return count;
}

// What a late activation does: the window comes to the front and its procedure is told.
void activateLate(MainWindow& window) {
    window.bringToFront();
    window.sendMessage({.kind = MessageKind::Activate, .activation = Activation::Activated});
}

TEST_F(ModalLoops, ADialogOpenedRightAfterAMessageBoxGetsNoFrameInAWholeSecond) {
    StandInUser user;
    user.whileOpen = [this](QWidget&) { activateLate(*window); };
    int framesInDialog = -1;
    QTimer::singleShot(0, [&] {
        showMessageBox(game, u"Paused... Press OK to continue", u"Pause");
        // The box resumed the game; the dialog that follows stays up for a second.
        user.dwellMs = 1000;
        const int before = frames;
        aboutDialog(dialogs);
        framesInDialog = frames - before;
    });
    ASSERT_TRUE(runUntil([&] { return framesInDialog >= 0; }, 5000));
    EXPECT_EQ(user.titles, (std::vector<QString>{"Pause", "About Zorvagon"}));
    EXPECT_EQ(framesInDialog, 0);
    EXPECT_EQ(framesInsideModalLoops, 0);

    // Back at the top level the frames go on.
    const int atTopLevel = frames;
    runFor(200);
    EXPECT_GT(frames, atTopLevel);
}

TEST_F(ModalLoops, AGameEndsOnceWhateverArrivesInsideItsDialogsAndWithAFailingSave) {
    // A folder in the high-score file's place: every save fails.
    std::filesystem::remove(root() / "my documents" / "high.scr");
    std::filesystem::create_directories(root() / "my documents" / "high.scr" / "in the way");
    StandInUser user;
    std::vector<QString> notOwnedByTheGame;
    user.whileOpen = [&](QWidget& modal) {
        if (!ownedBy(modal, window.get())) {
            notOwnedByTheGame.push_back(modal.windowTitle());
        }
        activateLate(*window);
    };
    user.beforeEnter = [](TemplateDialog& dialog) {
        if (dialog.caption() == u"New High Score!") {
            dialog.setItemText(kNameEdit, u"Ada");
        }
    };
    startStillGame(Normal);
    engine.score = 12345;
    resumeGame(game);

    ASSERT_TRUE(runUntil([this] { return engine.demoMode; }, 10000));
    runFor(300); // a late or nested frame would open more
    EXPECT_EQ(user.count("Game Over"), 1);
    EXPECT_EQ(user.count("New High Score!"), 1);
    EXPECT_EQ(user.count("File System Error"), 1);
    EXPECT_EQ(entriesNamed(game.highScores.table, Normal, u"Ada"), 1);
    EXPECT_EQ(framesInsideModalLoops, 0);
    EXPECT_TRUE(notOwnedByTheGame.empty()) << notOwnedByTheGame.front().toStdString();
    EXPECT_TRUE(clock.running);
    EXPECT_TRUE(framesGoOn());
}

} // namespace
