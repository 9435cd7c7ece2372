// The game's start-up in its fixed order and its run until the window closes.
#include "game/shell/start_up.h"

#include "game/engine/board.h"
#include "game/resources/game_resources.h"
#include "game/scores/password_alphabet.h"
#include "game/shell/crash_leftovers.h"
#include "game/shell/game.h"
#include "game/shell/kept_game.h"
#include "game/shell/kept_game_offer.h"
#include "game/shell/window_procedure.h"
#include "game/themes/theme_loader.h"
#include "platform/device_root.h"
#include "platform/dialog_qt.h"
#include "platform/fatal_error.h"
#include "platform/files.h"
#include "platform/main_window.h"
#include "platform/program_icon.h"
#include "platform/qt_text.h"
#include "platform/quit_signals.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/single_instance.h"
#include "platform/sound_player.h"
#include "platform/tick_count.h"

#include <QApplication>

namespace {

// The first start puts the help page beside the game's files.
void installHelpPage() {
    if (const auto page = readResource(u":/help/zorv help.htm")) {
        replaceFile(u"\\my documents\\zorv help.htm", page->data(), page->size());
    }
}

} // namespace

int runGame() {
    initGameResources();
    setProgramIcon(QString::fromLatin1(programIconSizesPath));
    Q_INIT_RESOURCE(help);
    SingleInstance instance;
    if (!instance.claim()) {
        return 0;
    }
    if (installOnFirstRun()) {
        installHelpPage();
    }
    Game game;
    readInstallDirectory(game.installDirectory);
    removeCrashLeftovers(game.installDirectory);
    loadPreferences(game.preferences, installPath(game, u"zorv.prf"));

    QtDialogHost dialogs;
    dialogs.setCodeCharacters(qText(passwordSymbols()));
    QtSoundPlayer sounds;
    ShellMessageBoxes messageBoxes(game);
    ShellFatalErrors fatalErrors(game);
    game.dialogs = &dialogs;
    game.soundPlayer = &sounds;
    setMessageBoxService(&messageBoxes);
    setFatalErrorDisplay(&fatalErrors);

    MainWindow window(QStringLiteral("Zorvagon"),
                      [&game](Window& target, const WindowMessage& message) {
                          return mainWindowProc(game, target, message);
                      });
    game.window = &window;
    dialogs.setMainWindow(&window);
    instance.setRaiseRequestHandler([&window] { window.bringToFront(); });

    loadTheme(game.pieceArt, themeSettings(game));
    seedRandom(startSeed());
    newBoard(game.engine);
    const std::u16string keptGame = installPath(game, kKeptGameFile);
    const auto keptRandom = restoreKeptGame(game.engine, keptGame);
    if (keptRandom) {
        seedRandom(*keptRandom);
    }
    loadSounds(game);
    loadHighScores(game.highScores, installPath(game, u"high.scr"));
    const QuitSignals quitSignals([] { QCoreApplication::quit(); });
    keepGameAtLogout(window, game.engine, keptGame);
    window.showAtOpeningSize();
    if (keptRandom) {
        offerKeptGame(game, window, keptGame);
    } else {
        resumeGame(game);
    }
    const int exitCode = QApplication::exec();
    game.window = nullptr;
    setFatalErrorDisplay(nullptr);
    setMessageBoxService(nullptr);
    return exitCode;
}
