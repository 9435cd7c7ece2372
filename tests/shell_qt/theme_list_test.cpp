// Game → Load Theme... on the real dialog: nothing chosen changes nothing, and the game goes on.
#include "game/shell/command_ids.h"
#include "game/themes/theme_list_dialog.h"
#include "platform/text.h"
#include "qt_shell_fixture.h"
#include "squares_theme.h"
#include "theme_format/theme_file.h"

#include <QImage>
#include <QListWidget>

namespace {

using LoadThemeDialog = QtShellTest;

TEST_F(LoadThemeDialog, DoneWithNothingChosenKeepsThePlayersThemeAndTheGameGoesOn) {
    ASSERT_TRUE(installSquaresTheme(root()));
    const std::u16string theme = kInstalledSquaresTheme;
    setFieldText(preferences.themePath, theme);
    loadTheme(game.pieceArt, themeSettings(game));
    ASSERT_EQ(std::u16string(preferences.themePath), theme);
    StandInUser user;
    bool lineMadeCurrent = false;
    user.whileOpen = [&](QWidget& modal) {
        // What the focus does as the dialog comes up: line 0 current, nothing selected.
        if (auto* list = modal.findChild<QListWidget*>()) {
            list->setFocus();
            list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
            lineMadeCurrent = list->currentRow() == 0 && list->selectedItems().isEmpty();
        }
    };
    pauseGame(game);
    QTimer::singleShot(0, [this] { window->sendCommand(kCommandLoadTheme); });
    ASSERT_TRUE(runUntil([&] { return !user.titles.empty() && !insideModalLoop(); }, 5000));

    EXPECT_EQ(user.titles, std::vector<QString>{"Load Zorv Theme"});
    EXPECT_TRUE(lineMadeCurrent);
    EXPECT_EQ(std::u16string(preferences.themePath), theme);
    // No activation is needed for the game to go on.
    EXPECT_TRUE(clock.running);
    EXPECT_TRUE(framesGoOn());
}

} // namespace
