// The words drawn on the board fit the status line in every language: the score and the turn
// score side by side, the demo's words alone, in the 220 pixels of the line at scale 1.
#include "language_fixture.h"
#include "platform/surface.h"
#include "platform/translation.h"

namespace {

class StatusLineWords : public ::testing::TestWithParam<QString> {
  protected:
    void TearDown() override { speak(QStringLiteral("zorvagon"), QStringLiteral("en")); }
};

TEST_P(StatusLineWords, FitTheLine) {
    speak(QStringLiteral("zorvagon"), GetParam());
    Surface measure(1, 1);
    measure.setFontPixelSize(11);
    const int score = measure.textWidth(fillIn(translate("StatusLine", "Score: %1"), {u"99999"}));
    const int turn =
        measure.textWidth(fillIn(translate("StatusLine", "This Turn: %1"), {u"-9999"}));
    EXPECT_LE(score + 8 + turn, 220);
    EXPECT_LE(measure.textWidth(translate("StatusLine", "demo mode - game->new to start")), 220);
}

// Not the pseudo-translation: its 40% would not fit, and the line keeps the English font size.
INSTANTIATE_TEST_SUITE_P(Languages, StatusLineWords, ::testing::ValuesIn(kSpokenLanguages),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace
