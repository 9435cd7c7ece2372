// The game window's procedure: start and end, pause and resume, paints, stylus and commands.
#include "game/shell/window_procedure.h"

#include "game/engine/board.h"
#include "game/engine/engine_services.h"
#include "game/engine/swaps.h"
#include "game/scores/score_dialogs.h"
#include "game/shell/about_dialog.h"
#include "game/shell/game.h"
#include "game/shell/game_menus.h"
#include "game/shell/help_page.h"
#include "game/shell/kept_game.h"
#include "game/themes/theme_list_dialog.h"
#include "game/themes/theme_loader.h"
#include "platform/device_root.h"
#include "platform/dialog_host.h"
#include "platform/random.h"
#include "platform/surface.h"
#include "platform/translation.h"
#include "platform/window.h"

namespace {

// Whether the message comes from the user or the desktop (input, commands, activation, menus,
// help, a resize), so that what the game shows may change: not the window's own coming and
// going, its frames and paints, nor the pointer merely passing over.
bool interruptsRest(const WindowMessage& message) {
    switch (message.kind) {
    case MessageKind::Create:
    case MessageKind::Destroy:
    case MessageKind::Close:
    case MessageKind::Frame:
    case MessageKind::Paint:
        return false;
    case MessageKind::StylusMove:
        return message.leftButton;
    default:
        return true;
    }
}

// A drag's moves and a resize come many to a frame, and keep coming for a while.
bool comesInBursts(const WindowMessage& message) {
    return message.kind == MessageKind::Resized ||
           (message.kind == MessageKind::StylusMove && message.leftButton);
}

void handleStylus(Game& game, Window& window, const WindowMessage& message) {
    if (message.kind == MessageKind::StylusDown) {
        hideKeyboardCursor(game);
    }
    if (boardInputRefused(game)) {
        return;
    }
    const PixelSize client = window.clientSize();
    const Scale scale = scaleForClient(client.width, client.height);
    if (scale.x == 0 || scale.y == 0) {
        return;
    }
    // A point in the window's margins, or dragged out of the window, touches no cell: taken as
    // unsigned 16-bit halves, a point far to the left or above could wrap round onto the board.
    const bool onClient =
        message.x >= 0 && message.y >= 0 && message.x < client.width && message.y < client.height;
    // Points are taken as the unsigned 16-bit halves of the message parameter.
    const int x = message.x & 0xFFFF;
    const int y = message.y & 0xFFFF;
    EngineState& engine = game.engine;
    switch (message.kind) {
    case MessageKind::StylusDown:
        engine.stylusHeld = true;
        if (onClient) {
            stylusDown(engine, x, y, scale.x, scale.y);
        }
        break;
    case MessageKind::StylusMove:
        if (message.leftButton && onClient) {
            stylusDrag(engine, x, y, scale.x, scale.y);
        }
        break;
    default:
        engine.stylusHeld = false;
        if (engine.selection.column != -1) {
            playSound(game, kSoundSelect);
        }
        break;
    }
}

// Shows a dialog, message box or page with the game paused around it; without a dialog host
// nothing is shown.
template <typename Show> void withGamePaused(Game& game, Show show) {
    pauseGame(game);
    if (game.dialogs) {
        show(*game.dialogs);
    }
    resumeGame(game);
}

void showHelp(Game& game) {
    withGamePaused(game, [&game](DialogHost& dialogs) {
        if (const auto path = nativePath(helpPagePath(game.installDirectory))) {
            dialogs.showHelp(path->u16string());
        }
    });
}

bool isColour(int id) {
    return id == kColorGrey || id == kColorBlue || (id >= 40026 && id <= 40030);
}
bool isSpeed(int id) {
    return id >= kSpeedNormal && id <= kSpeedInstant;
}

// A dialog that cannot be shown counts as a choice, not as Cancel: a new game is dealt.
void newGame(Game& game) {
    pauseGame(game);
    const int chosen = game.dialogs ? newGameDialog(*game.dialogs, game.engine) : 0;
    if (chosen != kNewGameCancel) {
        game.engine.demoMode = false;
        newBoard(game.engine);
    }
    resumeGame(game);
}

// The game goes on after the list and the reload as after every other dialog, not only when an
// activation follows (none comes without a window manager, or when the list closes by key).
void loadThemeCommand(Game& game) {
    pauseGame(game);
    const ThemeSettings settings = themeSettings(game);
    if (game.dialogs) {
        themeListDialog(*game.dialogs, settings);
    }
    loadTheme(game.pieceArt, settings);
    redrawAll(game);
    resumeGame(game);
}

bool handleCommand(Game& game, Window& window, int id) {
    Preferences& preferences = game.preferences;
    const std::u16string file = installPath(game, u"zorv.prf");
    if (id == kCommandNew) {
        newGame(game);
    } else if (id == kCommandLoadTheme) {
        loadThemeCommand(game);
    } else if (id == kCommandHighScores) {
        withGamePaused(game, [&game](DialogHost& dialogs) {
            highScoresDialog(dialogs, game.highScores, game.engine.level);
        });
    } else if (id == kCommandAbout) {
        withGamePaused(game, [](DialogHost& dialogs) { aboutDialog(dialogs); });
    } else if (id == kCommandQuit || id == kCommandQuitKey) {
        window.sendMessage({MessageKind::Activate, 0, Activation::Deactivated});
        window.close();
    } else if (id == kCommandPause) {
        pauseGame(game);
        showMessageBox(game, translate("Pause", "Paused... Press OK to continue"),
                       translate("Pause", "Pause"));
        resumeGame(game);
    } else if (id == kCommandSounds) {
        checkMenuItem(game.menuBar, kMenuOptions, id, toggleSound(preferences, file) != 0);
    } else if (id == kCommandHints) {
        checkMenuItem(game.menuBar, kMenuOptions, id, toggleHints(preferences, file) != 0);
    } else if (id == kCommandTurnScore) {
        checkMenuItem(game.menuBar, kMenuOptions, id, toggleTurnScore(preferences, file) != 0);
    } else if (id == kCommandTransparency) {
        checkMenuItem(game.menuBar, kMenuOptions, id, toggleTransparency(preferences, file) != 0);
        markAllCells(game.engine);
        redrawAll(game);
    } else if (isColour(id)) {
        checkRadioItem(game.menuBar, kMenuColor, 7, id);
        setColor(preferences, file, id);
        markAllCells(game.engine);
        redrawAll(game);
    } else if (isSpeed(id)) {
        checkRadioItem(game.menuBar, kMenuSpeed, 4, id);
        setSpeed(preferences, file, id);
        markAllCells(game.engine);
    } else {
        return false;
    }
    return true;
}

// The handheld's keys, then those players know from other games. None is a key the board plays
// with (arrows, Space, Return, Escape), and each gives its menu command's id, so it does exactly
// what the menu does.
void addAccelerators(Window& window) {
    window.addAccelerator("Ctrl+A", kCommandAbout);
    window.addAccelerator("Ctrl+Q", kCommandQuitKey);
    window.addAccelerator("Ctrl+N", kCommandNew);
    window.addAccelerator("Ctrl+H", kCommandHighScores);
    window.addAccelerator("P", kCommandPause);
    window.addAccelerator("Pause", kCommandPause);
}

} // namespace

bool mainWindowProc(Game& game, Window& window, const WindowMessage& message) {
    if (interruptsRest(message)) {
        wakeClock(game, comesInBursts(message));
    }
    switch (message.kind) {
    case MessageKind::Create:
        createMenuBar(game, window);
        addAccelerators(window);
        return true;
    case MessageKind::Destroy:
        keepGame(game.engine, randomState(), installPath(game, kKeptGameFile));
        window.destroyMenuBar();
        game.menuBar = nullptr;
        freeSounds(game);
        window.postQuit(0);
        return true;
    case MessageKind::Activate:
        if (message.activation == Activation::Deactivated) {
            pauseGame(game);
        } else {
            resumeGame(game);
        }
        return true;
    case MessageKind::Paint:
        // A paint only shows what the frames drew.
        if (const Surface* picture = game.renderer.picture()) {
            window.present(*picture);
        }
        return true;
    case MessageKind::Command:
        return handleCommand(game, window, message.commandId);
    case MessageKind::StylusDown:
    case MessageKind::StylusMove:
    case MessageKind::StylusUp:
        handleStylus(game, window, message);
        return true;
    case MessageKind::MenuOpened:
        pauseGame(game);
        return true;
    case MessageKind::MenuClosed:
        resumeGame(game);
        return true;
    case MessageKind::Help:
        showHelp(game);
        return true;
    case MessageKind::Frame:
        frameTick(game);
        return true;
    case MessageKind::KeyDown:
        pressGameKey(game, message.key);
        return true;
    case MessageKind::Resized:
        redrawAll(game);
        return true;
    case MessageKind::Close:
        return false;
    }
    return false;
}
