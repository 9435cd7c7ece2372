// The game's menu bar on a real window: every button in sight, one mark in each radio group, an
// access key for every entry that shows only while Alt is held.
#include "game/shell/command_ids.h"
#include "qt_shell_fixture.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTest>

namespace {

using GameMenuBar = QtShellTest;

// A label as the menu shows it: without the & that marks its access key (no English label has
// an & of its own).
QString shown(QString text) {
    return text.remove(u'&');
}

QMenu* popupTitled(QMenuBar& bar, const QString& title) {
    for (QAction* action : bar.actions()) {
        if (shown(action->text()) == title) {
            return action->menu();
        }
    }
    return nullptr;
}

TEST_F(GameMenuBar, AllFiveButtonsShowAtEveryScale) {
    QMenuBar& bar = *window->menuBar();
    for (const int scale : {1, 2, 3}) {
        SCOPED_TRACE(scale);
        window->resize(240 * scale, 294 * scale + bar.sizeHint().height());
        QCoreApplication::processEvents();
        ASSERT_EQ(bar.actions().size(), 5);
        EXPECT_EQ(shown(bar.actions().back()->text()), "Pause");
        EXPECT_TRUE(bar.rect().contains(bar.actionGeometry(bar.actions().back())));
    }
}

TEST_F(GameMenuBar, ColourAndSpeedChoicesCarryOneMarkEach) {
    QMenuBar& bar = *window->menuBar();
    window->sendCommand(kColorBlue);
    window->sendCommand(kSpeedFast);
    for (const QString title : {"Color", "Speed"}) {
        SCOPED_TRACE(title.toStdString());
        QMenu* popup = popupTitled(bar, title);
        ASSERT_NE(popup, nullptr);
        QStringList marked;
        for (QAction* item : popup->actions()) {
            EXPECT_TRUE(item->actionGroup() && item->actionGroup()->isExclusive());
            if (item->isChecked()) {
                marked.push_back(shown(item->text()));
            }
        }
        EXPECT_EQ(marked, QStringList{title == "Color" ? "Blue" : "Fast"});
    }
}

TEST_F(GameMenuBar, GameItemsShowTheirKeysAndTheKeysStillWork) {
    QMenu* game = popupTitled(*window->menuBar(), "Game");
    ASSERT_NE(game, nullptr);
    QStringList texts;
    for (QAction* item : game->actions()) {
        texts.push_back(item->text());
    }
    EXPECT_EQ(texts, (QStringList{"&Quit\tCtrl+Q", "&About\tCtrl+A", "&High Scores...\tCtrl+H",
                                  "&Load Theme...", "&New\tCtrl+N"}));
    // The menu only shows them: one shortcut each, no ambiguity with the window's own.
    for (QAction* item : game->actions()) {
        EXPECT_TRUE(item->shortcut().isEmpty());
    }
}

TEST_F(GameMenuBar, AltAndALetterOpenEachPopup) {
    const std::pair<Qt::Key, QString> keys[] = {
        {Qt::Key_G, "Game"}, {Qt::Key_O, "Options"}, {Qt::Key_C, "Color"}, {Qt::Key_S, "Speed"}};
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& [key, title] : keys) {
        SCOPED_TRACE(title.toStdString());
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup, popupTitled(*window->menuBar(), title));
        popup->close();
    }
}

TEST_F(GameMenuBar, BarAndMenusLookAsTheirLabelsReadUntilAltIsHeld) {
    QMenuBar& bar = *window->menuBar();
    QMenu* game = popupTitled(bar, "Game");
    ASSERT_NE(game, nullptr);
    // The same bar and menu with the labels alone.
    QMenuBar plainBar;
    plainBar.setStyleSheet(bar.styleSheet());
    for (QAction* button : bar.actions()) {
        plainBar.addAction(shown(button->text()));
    }
    plainBar.resize(bar.size());
    QMenu plainGame;
    for (QAction* item : game->actions()) {
        plainGame.addAction(shown(item->text()));
    }
    game->resize(game->sizeHint());
    plainGame.resize(game->size());
    const auto pixels = [](QWidget& widget) {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto looksPlain = [&] {
        return pixels(bar) == pixels(plainBar) && pixels(*game) == pixels(plainGame);
    };
    EXPECT_TRUE(looksPlain());
    QTest::keyPress(window.get(), Qt::Key_Alt);
    EXPECT_FALSE(looksPlain());
    QTest::keyRelease(window.get(), Qt::Key_Alt);
    EXPECT_TRUE(looksPlain());
}

} // namespace
