// A kept game offered at start, paused as the Pause command shows it, and kept at logout.
#include "game/shell/kept_game_offer.h"

#include "game/shell/command_ids.h"
#include "game/shell/kept_game.h"
#include "platform/main_window.h"
#include "platform/random.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

void offerKeptGame(MainWindow& window, std::u16string path) {
    QTimer::singleShot(0, &window, [&window, path = std::move(path)] {
        window.sendCommand(kCommandPause);
        // A window closed under the box has kept the game again; only an answer resumes it.
        if (window.isVisible()) {
            forgetKeptGame(path);
        }
    });
}

void keepGameAtLogout(MainWindow& window, const EngineState& state, std::u16string path) {
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&state, path = std::move(path)](QSessionManager&) {
                         keepGame(state, randomState(), path);
                     });
}
