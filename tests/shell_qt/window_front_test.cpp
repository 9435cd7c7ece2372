// The game window among the desktop's windows: the keys players know, resumes that leave other
// windows in front, help that comes forward on every F1, and the program's icon.
#include "game/resources/game_resources.h"
#include "game/shell/command_ids.h"
#include "platform/help_viewer.h"
#include "platform/program_icon.h"
#include "qt_shell_fixture.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

class WindowFront : public QtShellTest {
  protected:
    void SetUp() override {
        QtShellTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        if (QWidget* help = helpWindow()) {
            help->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QtShellTest::TearDown();
    }
    static bool becomesActive(QWidget* widget) {
        return runUntil([widget] { return widget && QApplication::activeWindow() == widget; },
                        2000);
    }
};

TEST_F(WindowFront, EachPeerKeyOpensWhatItsCommandOpensOnce) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString title;
    };
    const Case cases[] = {{Qt::Key_N, Qt::ControlModifier, "New Game"},
                          {Qt::Key_H, Qt::ControlModifier, "Dialog"},
                          {Qt::Key_P, Qt::NoModifier, "Pause"},
                          {Qt::Key_Pause, Qt::NoModifier, "Pause"}};
    for (const Case& key : cases) {
        SCOPED_TRACE(QKeySequence(key.key | key.modifiers).toString().toStdString());
        StandInUser user;
        user.whileOpen = [](QWidget& modal) {
            if (auto* dialog = dynamic_cast<TemplateDialog*>(&modal)) {
                dialog->endDialog(0);
            }
        };
        QTimer::singleShot(0, [&] { QTest::keyClick(window.get(), key.key, key.modifiers); });
        runUntil([&] { return !user.titles.empty() && !QApplication::activeModalWidget(); }, 3000);
        runFor(100);
        EXPECT_EQ(user.titles, std::vector<QString>{key.title});
        window->bringToFront();
        ASSERT_TRUE(becomesActive(window.get()));
    }
}

TEST_F(WindowFront, AResumeLeavesTheWindowInFrontWhereItIsAndFocusesTheBoard) {
    QWidget cover;
    cover.show();
    cover.activateWindow();
    ASSERT_TRUE(becomesActive(&cover));
    // What the demo does when its board runs out of moves, unseen under the covering window.
    pauseGame(game);
    resumeGame(game);
    runFor(100);
    EXPECT_EQ(QApplication::activeWindow(), &cover);
    EXPECT_NE(window->focusWidget(), nullptr);

    // The player starting the game a second time brings it forward.
    window->bringToFront();
    EXPECT_TRUE(becomesActive(window.get()));
}

TEST_F(WindowFront, TheOwnHelpWindowComesForwardOnEveryF1WithTheProgramsIcon) {
    setProgramIcon(QString::fromLatin1(programIconSizesPath));
    QTemporaryDir noOpener;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", noOpener.path().toUtf8());
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        QTest::keyClick(window.get(), Qt::Key_F1);
        EXPECT_TRUE(becomesActive(helpWindow()));
        // The player goes back to the game; the help window stays open behind it.
        window->bringToFront();
        ASSERT_TRUE(becomesActive(window.get()));
    }
    qputenv("PATH", path);
    EXPECT_EQ(helpWindow()->windowIcon().availableSizes().size(), 7);
}

} // namespace
