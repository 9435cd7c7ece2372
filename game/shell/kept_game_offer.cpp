// A kept game offered at start, paused as the Pause command shows it, and kept at logout.
#include "game/shell/kept_game_offer.h"

#include "game/shell/command_ids.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/kept_game.h"
#include "platform/main_window.h"
#include "platform/random.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>

namespace {

// The Pause command, once; the file goes when the player has answered its box.
void pauseKeptGame(MainWindow& window, const std::u16string& path) {
    window.sendCommand(kCommandPause);
    // A window closed under the box has kept the game again; only an answer resumes it.
    if (window.isVisible()) {
        forgetKeptGame(path);
    }
}

// Waits until the window is on screen, where the desktop placed it, so that the box centres on
// it as the Pause command's box does; then pauses from the top-level loop. Until then the game
// stays paused: the window's activation, which may come first, does not resume it.
class OfferWhenShown final : public QObject {
  public:
    OfferWhenShown(Game& game, MainWindow& window, std::u16string path)
        : QObject(&window), window_(window), path_(std::move(path)) {
        pauseGame(game);
        window.installEventFilter(this);
        QWindow* handle = window.windowHandle();
        if (handle && !handle->isExposed()) {
            handle->installEventFilter(this);
        } else {
            offer();
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_) {
            return event->type() == QEvent::ActivationChange;
        }
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            offer();
        }
        return false;
    }

  private:
    void offer() {
        QTimer::singleShot(0, this, [this] {
            window_.removeEventFilter(this);
            pauseKeptGame(window_, path_);
            deleteLater();
        });
    }

    MainWindow& window_;
    std::u16string path_;
};

} // namespace

void offerKeptGame(Game& game, MainWindow& window, std::u16string path) {
    new OfferWhenShown(game, window, std::move(path));
}

void keepGameAtLogout(MainWindow& window, const EngineState& state, std::u16string path) {
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&state, path = std::move(path)](QSessionManager&) {
                         keepGame(state, randomState(), path);
                     });
}
