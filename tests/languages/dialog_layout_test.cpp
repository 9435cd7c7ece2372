// Every dialog of both programs holds its texts in every language: nothing cut, overlapping or
// beyond the screen; and in English each keeps exactly the layout of its template.
#include "device_root_fixture.h"
#include "game/scores/score_dialogs.h"
#include "game/shell/about_dialog.h"
#include "game/shell/shell_services.h"
#include "game/themes/theme_list_dialog.h"
#include "language_fixture.h"
#include "pixelkiln/main_dialog_template.h"
#include "platform/dialog_qt.h"
#include "platform/dialog_widgets.h"
#include "platform/recording_sound_player.h"
#include "game_fixture.h"

#include <gmock/gmock.h>

namespace {

using ::testing::IsEmpty;

class Untouched final : public DialogProcedure {
  public:
    void initDialog(DialogHandle&) override {}
    bool command(DialogHandle&, int) override { return false; }
};

// The size a template gives its dialog in English.
QSize templateSize(const DialogTemplate& dialog) {
    const DialogBaseUnits units =
        dialogBaseUnits(QFont(QString::fromStdU16String(dialog.fontName), dialog.fontPointSize));
    const PixelBox box = dialogUnitsToPixels({0, 0, dialog.width, dialog.height}, units);
    return {box.width, box.height};
}

class DialogLayout : public GameTest<QtDialogHost>, public ::testing::WithParamInterface<QString> {
  protected:
    void TearDown() override {
        speak(QStringLiteral("zorvagon"), QStringLiteral("en"));
        GameTest::TearDown();
    }
};

TEST_P(DialogLayout, EveryDialogOfTheGameHoldsItsTexts) {
    speak(QStringLiteral("zorvagon"), GetParam());
    const std::vector<std::pair<DialogTemplate (*)(), std::function<void()>>> openers = {
        {newGameTemplate, [this] { newGameDialog(dialogs, engine); }},
        {nameEntryTemplate, [this] { newHighScoreDialog(dialogs, engine, game.highScores); }},
        {highScoresTemplate, [this] { highScoresDialog(dialogs, game.highScores, 2); }},
        {addScoreTemplate, [this] { addScoreDialog(dialogs, game.highScores); }},
        {aboutTemplate, [this] { aboutDialog(dialogs); }},
        {themeListDialogTemplate, [this] { themeListDialog(dialogs, themeSettings(game)); }},
    };
    for (const auto& [layout, open] : openers) {
        lookAtModal(open, [&](QDialog& dialog) {
            EXPECT_THAT(layoutFaults(dialog), IsEmpty());
            if (GetParam() == QStringLiteral("en")) {
                EXPECT_EQ(dialog.size(), templateSize(layout()))
                    << dialog.windowTitle().toStdString();
            }
        });
    }
}

TEST_P(DialogLayout, EveryDialogOfTheThemeCompilerHoldsItsTexts) {
    speak(QStringLiteral("pixelkiln"), GetParam());
    for (const DialogTemplate& layout : {mainDialogTemplate(), helpDialogTemplate()}) {
        Untouched procedure;
        TemplateDialog dialog(layout, procedure);
        dialog.show();
        EXPECT_THAT(layoutFaults(dialog), IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLayout, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return info.param.toStdString(); });

// In English every control stands exactly where its template puts it. (Not in the compiler's
// help, where the desktop's font wraps one English label to a third line that its box cut off.)
TEST(EnglishLayout, EveryControlKeepsItsTemplatePlace) {
    speak(QStringLiteral("zorvagon"), QStringLiteral("en"));
    for (const DialogTemplate& layout :
         {newGameTemplate(), nameEntryTemplate(), highScoresTemplate(), addScoreTemplate(),
          aboutTemplate(), themeListDialogTemplate(), mainDialogTemplate()}) {
        Untouched procedure;
        TemplateDialog dialog(layout, procedure);
        const DialogBaseUnits units = dialogBaseUnits(dialog.font());
        EXPECT_EQ(dialog.size(), templateSize(layout));
        const auto widgets = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(widgets.size(), qsizetype(layout.controls.size()));
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            const PixelBox box = dialogUnitsToPixels(layout.controls[i].rect, units);
            EXPECT_EQ(widgets[qsizetype(i)]->geometry(), QRect(box.x, box.y, box.width, box.height))
                << QString::fromStdU16String(layout.caption).toStdString() << " control " << i;
        }
    }
}

} // namespace
