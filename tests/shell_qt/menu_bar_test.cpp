// The game's menu bar on a real window: every button in sight, one mark in each radio group.
#include "game/shell/command_ids.h"
#include "qt_shell_fixture.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

using GameMenuBar = QtShellTest;

QMenu* popupTitled(QMenuBar& bar, const QString& title) {
    for (QAction* action : bar.actions()) {
        if (action->text() == title) {
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
        EXPECT_EQ(bar.actions().back()->text(), "Pause");
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
                marked.push_back(item->text());
            }
        }
        EXPECT_EQ(marked, QStringList{title == "Color" ? "Blue" : "Fast"});
    }
}

} // namespace
