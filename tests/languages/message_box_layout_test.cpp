// Every message box of both programs holds its text in every language, values filled in.
#include "game/scores/score_dialogs.h"
#include "language_fixture.h"
#include "platform/dialog_qt.h"
#include "platform/translation.h"

#include <gmock/gmock.h>

namespace {

struct Box {
    const char* program;
    const char* context;
    const char* text;
    std::u16string value; // fills %1; %2 is only ever a level's name
    const char* caption;
};

const Box kBoxes[] = {
    {"zorvagon", "GameOver", "Time is up.  Game over.", u"", "Game Over"},
    {"zorvagon", "GameOver", "No moves left.  Game over.", u"", "Game Over"},
    {"zorvagon", "GameOver",
     "Your password is: %1\nClick on your name in the high scores at any time to see the "
     "password again.",
     u"c1D27H", "On-Line Password"},
    {"zorvagon", "Pause", "Paused... Press OK to continue", u"", "Pause"},
    {"zorvagon", "HighScores", "The password for this score is: %1", u"c1D27H", "Password"},
    {"zorvagon", "AddScore", "This is not a valid password.  Try again.", u"", "Password Error"},
    {"zorvagon", "AddScore",
     "The password is valid.  Unfortunately, your score of %1 on the %2 difficulty level is not "
     "a high score on this machine.",
     u"123456", "Not Good Enough :)"},
    {"zorvagon", "HighScoreFile", "bad size", u"", "H"},
    {"zorvagon", "HighScoreFile", "Could not save high score file.", u"", "File System Error"},
    {"zorvagon", "HighScoreFile", "There is an error in the high score file.", u"", "Fatal Error"},
    {"zorvagon", "Errors",
     "The game's own bitmap %1 could not be loaded. Please reinstall the game.", u"107", "Error"},
    {"zorvagon", "Errors", "no bmpDC", u"", "Error"},
    {"pixelkiln", "Pixelkiln", "You must name your theme first.", u"", "Save Error"},
    {"pixelkiln", "Pixelkiln", "There was an error saving the theme.", u"", "Error"},
};

class MessageBoxLayout : public ::testing::TestWithParam<QString> {
  protected:
    void TearDown() override { speak(QStringLiteral("zorvagon"), QStringLiteral("en")); }
};

TEST_P(MessageBoxLayout, EveryMessageBoxHoldsItsText) {
    for (const Box& box : kBoxes) {
        speak(QString::fromLatin1(box.program), GetParam());
        const std::u16string text =
            fillIn(translate(box.context, box.text), {box.value, levelWord(2)});
        EXPECT_FALSE(text.empty());
        const MessageBoxRequest request{text, translate(box.context, box.caption)};
        lookAtModal([&] { showQtMessageBox(request, nullptr); },
                    [](QDialog& shown) { EXPECT_THAT(layoutFaults(shown), ::testing::IsEmpty()); });
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, MessageBoxLayout, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace
