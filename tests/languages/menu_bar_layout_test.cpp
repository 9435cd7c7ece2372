// The game's menu bar in every language: the five buttons show in the window as it opens at
// scale 1 (240 pixels wide, or wider where the labels need it) and at scale 3, and every popup
// fits the screen.
#include "game/shell/game_menus.h"
#include "language_fixture.h"
#include "platform/main_window.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace {

class MenuBarLayout : public ::testing::TestWithParam<QString> {
  protected:
    void TearDown() override { speak(QStringLiteral("zorvagon"), QStringLiteral("en")); }
};

TEST_P(MenuBarLayout, FiveButtonsShowAndEveryPopupFits) {
    speak(QStringLiteral("zorvagon"), GetParam());
    MainWindow window(QStringLiteral("Zorvagon"),
                      [](Window&, const WindowMessage&) { return false; });
    window.createMenuBar(gameMenuBar());
    QMenuBar& bar = *window.menuBar();
    ASSERT_EQ(bar.actions().size(), 5);
    window.show();
    for (const int scale : {1, 3}) {
        // As the window opens at this scale.
        const int width = std::max(240 * scale, window.fitMenuBar(240 * scale));
        if (GetParam() == QStringLiteral("en")) {
            EXPECT_EQ(width, 240 * scale);
        }
        window.resize(width, 294 * scale + bar.sizeHint().height());
        QApplication::processEvents();
        for (QAction* button : bar.actions()) {
            const QRect place = bar.actionGeometry(button);
            EXPECT_FALSE(place.isEmpty()) << button->text().toStdString();
            EXPECT_LE(place.right(), bar.width() - 1)
                << button->text().toStdString() << " at " << width << ": " << place.x() << "+"
                << place.width() << " " << bar.styleSheet().toStdString();
            if (QMenu* popup = button->menu()) {
                EXPECT_LE(popup->sizeHint().width(), window.screen()->availableGeometry().width());
            }
        }
    }
}

// Alt and a key reach every button and a key every item: in each menu, one key per entry.
TEST_P(MenuBarLayout, EachEntryHasAnAccessKeyOfItsOwnInItsMenu) {
    speak(QStringLiteral("zorvagon"), GetParam());
    MainWindow window(QStringLiteral("Zorvagon"),
                      [](Window&, const WindowMessage&) { return false; });
    window.createMenuBar(gameMenuBar());
    std::vector<QList<QAction*>> menus{window.menuBar()->actions()};
    for (QAction* button : menus.front()) {
        if (button->menu()) {
            menus.push_back(button->menu()->actions());
        }
    }
    for (const QList<QAction*>& entries : menus) {
        QSet<QKeySequence> keys;
        for (QAction* entry : entries) {
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            EXPECT_FALSE(key.isEmpty()) << entry->text().toStdString();
            EXPECT_FALSE(keys.contains(key)) << entry->text().toStdString();
            keys.insert(key);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, MenuBarLayout, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace
