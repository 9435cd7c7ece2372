// The whole game on a real Qt window with real dialogs, and a stand-in user who answers them.
#pragma once

#include "game/scores/password_alphabet.h"
#include "game/shell/window_procedure.h"
#include "game/themes/theme_loader.h"
#include "game_fixture.h"
#include "platform/dialog_qt.h"
#include "platform/dialog_widgets.h"
#include "platform/main_window.h"
#include "platform/modal_loops.h"
#include "platform/qt_text.h"
#include "qt_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Plays the user's part in every modal window the program opens: notes its title, lets
// `whileOpen` act inside its loop (an activation arriving late, say), waits `dwellMs`, then
// answers it: OK in a message box, Enter in a dialog after `beforeEnter`.
class StandInUser {
  public:
    StandInUser() {
        watch_.setInterval(10);
        QObject::connect(&watch_, &QTimer::timeout, [this] { look(); });
        watch_.start();
    }

    int dwellMs = 50;
    std::function<void(QWidget&)> whileOpen;
    std::function<void(TemplateDialog&)> beforeEnter;
    std::vector<QString> titles;

    int count(const QString& title) const {
        return int(std::count(titles.begin(), titles.end(), title));
    }

  private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        // Marked on the widget itself: a new box may take the address of one already gone.
        if (!modal || modal->property("answered").toBool()) {
            return;
        }
        modal->setProperty("answered", true);
        titles.push_back(modal->windowTitle());
        if (whileOpen) {
            whileOpen(*modal);
        }
        QTimer::singleShot(dwellMs, modal, [this, modal] { answer(modal); });
    }
    void answer(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (auto* dialog = dynamic_cast<TemplateDialog*>(modal)) {
            if (beforeEnter) {
                beforeEnter(*dialog);
            }
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(dialog, &enter);
        }
    }

    QTimer watch_;
};

class QtShellTest : public GameTest<QtDialogHost> {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        window = std::make_unique<MainWindow>(
            QStringLiteral("Zorvagon"), [this](Window& target, const WindowMessage& message) {
                paints += message.kind == MessageKind::Paint ? 1 : 0;
                if (message.kind == MessageKind::Frame) {
                    ++frames;
                    framesInsideModalLoops += insideModalLoop() ? 1 : 0;
                }
                // The window goes at the end of each test, not the program: no quit is posted,
                // which would end every later test's loop at once.
                if (message.kind == MessageKind::Destroy) {
                    game.menuBar = nullptr;
                    freeSounds(game);
                    return true;
                }
                return mainWindowProc(game, target, message);
            });
        game.window = window.get();
        dialogs.setMainWindow(window.get());
        dialogs.setCodeCharacters(qText(passwordSymbols()));
        loadTheme(game.pieceArt, themeSettings(game));
        loadSounds(game);
        window->resize(240, 294 + window->menuBar()->sizeHint().height());
        window->show();
        window->bringToFront();
        resumeGame(game);
    }
    void TearDown() override {
        pauseGame(game);
        window.reset();
        game.window = nullptr;
        GameTest::TearDown();
    }

    void startStillGame(int level) { layStillGame(engine, level); }
    // The area below the menu bar that the game's client area lies in.
    QWidget* clientArea() const {
        for (QWidget* child :
             window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<QMenuBar*>(child)) {
                return child;
            }
        }
        return nullptr;
    }
    // Whether the frames go on: one arrives within half a second.
    bool framesGoOn() {
        const int before = frames;
        return runUntil([&] { return frames > before; }, 500);
    }

    std::unique_ptr<MainWindow> window;
    int frames = 0;
    int framesInsideModalLoops = 0;
    int paints = 0;
};
