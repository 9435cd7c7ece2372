// The high-score dialogs played through the scripted host: levels, names, passwords, friends.
#include "game/engine/engine_state.h"
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "high_score_fixture.h"
#include "platform/dialog_scripted.h"

namespace {

// A valid legacy password of 0x12345678 on Normal, tag 5.
const std::u16string kLegacyBig = u"DixU9etQ5%";

class ScoreDialogTest : public HighScoreTest {
  protected:
    void SetUp() override {
        HighScoreTest::SetUp();
        load(); // a new table of default entries
    }
    // Expert's places hold 2000, 1900, ..., 1100.
    void rankExpert() {
        for (int place = 0; place < 10; ++place) {
            addHighScore(u"x" + wide(std::to_string(place)),
                         encodePassword(std::uint32_t(2000 - 100 * place), 5, 2));
        }
    }
    // Opens the viewer on a level and lets the script act in it, then in Add High Score.
    void addFriend(std::u16string name, std::u16string password) {
        dialogs.playDialog([](ScriptedDialog& viewer) { viewer.press(kAddScoreButton); });
        dialogs.playDialog([=](ScriptedDialog& add) {
            add.type(kFriendNameEdit, name);
            add.type(kFriendPasswordEdit, password);
            add.pressEnter();
        });
    }

    ScriptedDialogHost dialogs;
    EngineState state;
};

TEST_F(ScoreDialogTest, NewGameSetsTheLevelAndCancelKeepsIt) {
    state.level = 1;
    state.turnScore = 70;
    dialogs.playDialog([](ScriptedDialog& dialog) { dialog.press(kNewGameCancel); });
    EXPECT_EQ(newGameDialog(dialogs, state), kNewGameCancel);
    EXPECT_EQ(state.level, 1);
    EXPECT_EQ(state.turnScore, 0);

    dialogs.playDialog([](ScriptedDialog& dialog) { dialog.pressEscape(); });
    EXPECT_EQ(newGameDialog(dialogs, state), kNewGameCancel);
    EXPECT_EQ(state.level, 1);

    dialogs.playDialog([](ScriptedDialog& dialog) { dialog.press(kNewGameExpert); });
    EXPECT_EQ(newGameDialog(dialogs, state), kNewGameExpert);
    EXPECT_EQ(state.level, 2);
    EXPECT_EQ(dialogs.dialogsShown.back(), u"New Game");
}

TEST_F(ScoreDialogTest, NameEntryWantsANameAndKeepsThirtyCharacters) {
    state.level = 1;
    state.score = 4321;
    bool stayedOpen = false;
    dialogs.playDialog([&](ScriptedDialog& dialog) {
        dialog.pressEnter();
        dialog.pressEscape();
        stayedOpen = !dialog.ended();
        dialog.type(kNameEdit, std::u16string(40, u'n'));
        dialog.pressEnter();
    });
    newHighScoreDialog(dialogs, state, highScores);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.dialogsShown.back(), u"New High Score!");
    EXPECT_EQ(nameAt(1, 0), std::u16string(30, u'n'));
    EXPECT_EQ(entryScore(1, 0), 4321u);
    ASSERT_TRUE(state.passwordMade);
    EXPECT_EQ(std::u16string(state.lastPassword), entryPassword(1, 0));
    EXPECT_EQ(tableOnDisk().substr(3060 / 3, 2), std::string("n\0", 2));
}

TEST_F(ScoreDialogTest, ViewerFillsEveryPlaceSwitchesLevelsAndShowsPasswords) {
    rankExpert();
    std::vector<std::u16string> easyTexts, expertTexts;
    std::u16string labelBefore, labelAfter;
    dialogs.playDialog([&](ScriptedDialog& viewer) {
        labelBefore = viewer.itemText(kShownLevelLabel);
        for (int place = 0; place < 10; ++place) {
            easyTexts.push_back(viewer.itemText(kFirstPlaceButton + place));
        }
        viewer.press(kShowExpertButton);
        labelAfter = viewer.itemText(kShownLevelLabel);
        for (int place = 0; place < 10; ++place) {
            expertTexts.push_back(viewer.itemText(kFirstPlaceButton + place));
        }
        viewer.press(kFirstPlaceButton + 9);
        viewer.pressEnter();
    });
    EXPECT_EQ(highScoresDialog(dialogs, highScores, 0), 1);
    EXPECT_EQ(labelBefore, u"Easy");
    EXPECT_EQ(labelAfter, u"Expert");
    const std::u16string defaultScore = wide(std::to_string(entryScore(0, 0)));
    EXPECT_EQ(easyTexts[0], u"1. No name\n" + defaultScore);
    EXPECT_EQ(easyTexts[9], u"10. No name\n" + defaultScore);
    EXPECT_EQ(expertTexts[0], u"1. x0\n2000");
    EXPECT_EQ(expertTexts[9], u"10. x9\n1100");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, u"Password");
    EXPECT_EQ(dialogs.messages[0].text, u"The password for this score is: " + entryPassword(2, 9));
    EXPECT_TRUE(dialogs.messages[0].owned);
}

TEST_F(ScoreDialogTest, AFriendsExpertScoreThatBeatsTheTenthGoesToExpert) {
    rankExpert();
    const std::u16string password = encodePassword(1550, 5, 2);
    std::u16string label;
    dialogs.playDialog([&](ScriptedDialog& viewer) {
        viewer.press(kAddScoreButton);
        label = viewer.itemText(kShownLevelLabel);
        viewer.pressEnter();
    });
    dialogs.playDialog([&](ScriptedDialog& add) {
        add.type(kFriendNameEdit, u"friend");
        add.type(kFriendPasswordEdit, password);
        add.pressEnter();
    });
    highScoresDialog(dialogs, highScores, 0);
    EXPECT_EQ(label, u"Expert");
    EXPECT_EQ(nameAt(2, 5), u"friend");
    EXPECT_EQ(entryPassword(2, 5), password);
    EXPECT_EQ(dialogs.dialogsShown, (std::vector<std::u16string>{u"Dialog", u"Add High Score"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ScoreDialogTest, AScoreThatIsNotGoodEnoughIsToldAndNotAdded) {
    rankExpert();
    addFriend(u"friend", encodePassword(1100, 5, 2));
    highScoresDialog(dialogs, highScores, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, u"Not Good Enough :)");
    EXPECT_EQ(dialogs.messages[0].text,
              u"The password is valid.  Unfortunately, your score of 1100 on the Expert "
              u"difficulty level is not a high score on this machine.");
    EXPECT_EQ(nameAt(2, 9), u"x9");
}

TEST_F(ScoreDialogTest, AScoreOfTwoToTheThirtyFirstAndAboveIsToldUnsigned) {
    for (int place = 0; place < 10; ++place) {
        addHighScore(u"best", encodePassword(4000000000u, 5, 2));
    }
    addFriend(u"friend", encodePassword(3000000000u, 5, 2));
    highScoresDialog(dialogs, highScores, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              u"The password is valid.  Unfortunately, your score of 3000000000 on the Expert "
              u"difficulty level is not a high score on this machine.");
}

TEST_F(ScoreDialogTest, AMistypedPasswordCanBeCorrectedInTheOpenDialog) {
    const std::u16string password = encodePassword(777, 5, 1);
    std::u16string typedName;
    int result = -1;
    dialogs.playDialog([&](ScriptedDialog& add) {
        add.type(kFriendNameEdit, u"pal");
        add.type(kFriendPasswordEdit, password + u"x");
        add.pressEnter();
        typedName = add.itemText(kFriendNameEdit);
        add.type(kFriendPasswordEdit, password);
        add.pressEnter();
        result = add.result().value_or(-1);
    });
    EXPECT_EQ(addScoreDialog(dialogs, highScores), 2);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(typedName, u"pal");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, u"Password Error");
    EXPECT_EQ(dialogs.messages[0].text, u"This is not a valid password.  Try again.");
    EXPECT_EQ(nameAt(1, 0), u"pal");
}

TEST_F(ScoreDialogTest, EmptyNameOrPasswordOrCancelAddsNothing) {
    const std::u16string password = encodePassword(777, 5, 1);
    const std::string before = tableOnDisk();
    for (const auto& [name, typed] :
         {std::pair<std::u16string, std::u16string>{u"", password}, {u"pal", u""}}) {
        dialogs.playDialog([&](ScriptedDialog& add) {
            add.type(kFriendNameEdit, name);
            add.type(kFriendPasswordEdit, typed);
            add.pressEnter();
        });
        EXPECT_EQ(addScoreDialog(dialogs, highScores), 0);
    }
    dialogs.playDialog([&](ScriptedDialog& add) {
        add.type(kFriendNameEdit, u"pal");
        add.type(kFriendPasswordEdit, password);
        add.pressEscape();
    });
    EXPECT_EQ(addScoreDialog(dialogs, highScores), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(tableOnDisk(), before);
}

TEST_F(ScoreDialogTest, ALegacyPasswordEntersAsAScorePasswordOfTheSameScore) {
    addFriend(u"old", kLegacyBig);
    highScoresDialog(dialogs, highScores, 0);
    EXPECT_EQ(nameAt(1, 0), u"old");
    PasswordContent stored;
    ASSERT_TRUE(decodePassword(entryPassword(1, 0), stored));
    EXPECT_EQ(stored.score, 0x12345678u);
    EXPECT_EQ(stored.tag, 5);
    EXPECT_EQ(stored.level, 1);
}

TEST_F(ScoreDialogTest, APasswordTooLongForTheTableIsRefused) {
    // Symbols between the digits and the checksum are not read, so a longer text decodes.
    std::u16string longer = encodePassword(888, 5, 1);
    longer.pop_back();
    longer += u"aaaaaaaaaaaaaaaa?";
    PasswordContent content;
    for (char16_t last = u'!'; last <= u'~' && !decodePassword(longer, content); ++last) {
        longer.back() = last;
    }
    ASSERT_TRUE(decodePassword(longer, content));
    ASSERT_EQ(content.score, 888u);
    addFriend(u"long", longer);
    highScoresDialog(dialogs, highScores, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, u"Password Error");
    EXPECT_EQ(nameAt(1, 0), u"No name");
}

} // namespace
