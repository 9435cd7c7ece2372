// The game's start-up in its fixed order and its run until the window closes.
#include "game/shell/start_up.h"

#include "game/engine/board.h"
#include "game/engine/engine_state.h"
#include "game/resources/game_resources.h"
#include "game/scores/high_score_table.h"
#include "game/scores/score_services.h"
#include "game/shell/crash_leftovers.h"
#include "game/shell/game_clock.h"
#include "game/shell/install_directory.h"
#include "game/shell/kept_game.h"
#include "game/shell/kept_game_offer.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_services.h"
#include "game/shell/shell_state.h"
#include "game/shell/sounds.h"
#include "game/shell/window_procedure.h"
#include "game/themes/theme_loader.h"
#include "game/themes/theme_settings.h"
#include "platform/device_root.h"
#include "platform/dialog_qt.h"
#include "platform/fatal_error.h"
#include "platform/files.h"
#include "platform/main_window.h"
#include "platform/quit_signals.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/single_instance.h"
#include "platform/sound_player.h"
#include "platform/tick_count.h"

#include <QApplication>
#include <QIcon>

namespace {

// The first start puts the help page beside the game's files.
void installHelpPage() {
    if (const auto page = readResource(u":/help/zorv help.htm")) {
        replaceFile(u"\\my documents\\zorv help.htm", page->data(), page->size());
    }
}

} // namespace

int mainLoop() {
    initGameResources();
    Q_INIT_RESOURCE(help);
    SingleInstance instance;
    if (!instance.claim()) {
        return 0;
    }
    if (installOnFirstRun()) {
        installHelpPage();
    }
    readInstallDirectory();
    removeCrashLeftovers();
    loadPreferences();

    QtDialogHost dialogs;
    QtSoundPlayer sounds;
    ShellServices services;
    ShellMessageBoxes messageBoxes;
    ShellFatalErrors fatalErrors;
    shell.dialogs = &dialogs;
    shell.sounds = &sounds;
    engine.services = &services;
    setMessageBoxService(&messageBoxes);
    setFatalErrorDisplay(&fatalErrors);

    MainWindow window(QStringLiteral("Zorvagon"), mainWindowProc);
    window.setWindowIcon(QIcon(QString::fromLatin1(programIconPath)));
    shell.mainWindow = &window;
    dialogs.setMainWindow(&window);
    instance.setRaiseRequestHandler([&window] { window.activate(); });

    themeSettings = {preferences.themePath, shell.installDirectory, savePreferences};
    loadTheme();
    seedRandom(startSeed());
    newBoard(engine);
    const std::u16string keptGame = installPath(kKeptGameFile);
    const auto keptRandom = restoreKeptGame(engine, keptGame);
    if (keptRandom) {
        seedRandom(*keptRandom);
    }
    loadSounds();
    loadHighScores(installPath(u"high.scr"));
    const QuitSignals quitSignals([] { QCoreApplication::quit(); });
    keepGameAtLogout(window, engine, keptGame);
    window.showAtOpeningSize();
    if (keptRandom) {
        offerKeptGame(window, keptGame);
    } else {
        resumeGame();
    }
    const int exitCode = QApplication::exec();
    shell.mainWindow = nullptr;
    setFatalErrorDisplay(nullptr);
    return exitCode;
}
