// A whole game to its end: the boxes in order, the name entry, the table on disk, the password.
#include "game/scores/password_codec.h"
#include "game/scores/score_dialog_ids.h"
#include "shell_fixture.h"

#include <cstring>

namespace {

using GameOver = ShellTest;

// A file record: the name field (31 units) then the password field (20), UTF-16LE.
std::u16string fieldOnDisk(const std::string& file, std::size_t offset, std::size_t units) {
    std::u16string text;
    for (std::size_t i = 0; i < units && offset + 2 * i + 1 < file.size(); ++i) {
        const char16_t unit = char16_t(std::uint8_t(file[offset + 2 * i]) |
                                       std::uint8_t(file[offset + 2 * i + 1]) << 8);
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    return text;
}

TEST_F(GameOver, AGameWithoutMovesEndsWithItsBoxesTheEntryAndThePassword) {
    startStillGame(Normal);
    engine.score = 12345;
    std::u16string passwordInViewer;
    dialogs.playDialog([](ScriptedDialog& entry) {
        entry.type(kNameEdit, u"Ada");
        entry.pressEnter();
    });
    dialogs.playDialog([&](ScriptedDialog& viewer) {
        passwordInViewer = viewer.itemText(kFirstPlaceButton);
        viewer.press(kFirstPlaceButton);
        viewer.pressEnter();
    });
    resumeGame(game);
    frameAt(1016);
    frameAt(1032);
    frameAt(1048);

    EXPECT_EQ(dialogs.dialogsShown, (std::vector<std::u16string>{u"New High Score!", u"Dialog"}));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text, u"No moves left.  Game over.");
    EXPECT_EQ(dialogs.messages[0].caption, u"Game Over");
    EXPECT_EQ(passwordInViewer, u"1. Ada\n12345");
    const std::u16string stored = entryPassword(game.highScores.table, Normal, 0);
    EXPECT_EQ(dialogs.messages[1].text, u"The password for this score is: " + stored);
    EXPECT_EQ(dialogs.messages[2].caption, u"On-Line Password");
    EXPECT_EQ(dialogs.messages[2].text,
              u"Your password is: " + stored +
                  u"\nClick on your name in the high scores at any time to see the password "
                  u"again.");

    // The entry is on disk: Normal's first place is record 10.
    const std::string file = readFile("my documents/high.scr");
    ASSERT_EQ(file.size(), 3060u);
    EXPECT_EQ(fieldOnDisk(file, 10 * 102, 31), u"Ada");
    EXPECT_EQ(fieldOnDisk(file, 10 * 102 + 62, 20), stored);
    PasswordContent content;
    ASSERT_TRUE(decodePassword(stored, content));
    EXPECT_EQ(content.score, 12345u);
    EXPECT_EQ(content.level, Normal);

    // Back to the demo on a fresh board, running.
    EXPECT_TRUE(engine.demoMode);
    EXPECT_EQ(engine.level, Easy);
    EXPECT_TRUE(clock.running);
    EXPECT_FALSE(clock.messageBoxUp);
}

TEST_F(GameOver, AScoreBelowTheTableEndsWithTheGameOverBoxAlone) {
    startStillGame(Easy);
    engine.score = 0;
    resumeGame(game);
    frameAt(1016);
    frameAt(1032);
    EXPECT_TRUE(dialogs.dialogsShown.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, u"Game Over");
    EXPECT_TRUE(engine.demoMode);
}

TEST_F(GameOver, TimeRunningOutOnExpertIsTold) {
    startStillGame(Expert);
    engine.timeLeftMs = 10;
    engine.score = 0;
    resumeGame(game);
    frameAt(1016);
    frameAt(1032);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, u"Time is up.  Game over.");
}

} // namespace
