// The game window's procedure: start and end, pause and resume, paints, stylus and commands.
#include "game/shell/window_procedure.h"

#include "game/engine/board.h"
#include "game/engine/engine_services.h"
#include "game/engine/engine_state.h"
#include "game/engine/swaps.h"
#include "game/render/render_options.h"
#include "game/scores/score_dialogs.h"
#include "game/shell/about_dialog.h"
#include "game/shell/game_clock.h"
#include "game/shell/game_menus.h"
#include "game/shell/install_directory.h"
#include "game/shell/keyboard_play.h"
#include "game/shell/paint.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_state.h"
#include "game/shell/sounds.h"
#include "game/themes/theme_list_dialog.h"
#include "game/themes/theme_loader.h"
#include "platform/device_root.h"
#include "platform/dialog_host.h"
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

void handleStylus(Window& window, const WindowMessage& message) {
    if (message.kind == MessageKind::StylusDown) {
        hideKeyboardCursor();
    }
    if (boardInputRefused()) {
        return;
    }
    const PixelSize client = window.clientSize();
    const Scale scale = scaleForClient(client.width, client.height);
    if (scale.x == 0 || scale.y == 0) {
        return;
    }
    // Points are taken as the unsigned 16-bit halves of the message parameter.
    const int x = message.x & 0xFFFF;
    const int y = message.y & 0xFFFF;
    switch (message.kind) {
    case MessageKind::StylusDown:
        engine.stylusHeld = true;
        stylusDown(engine, x, y, scale.x, scale.y);
        break;
    case MessageKind::StylusMove:
        if (message.leftButton) {
            stylusDrag(engine, x, y, scale.x, scale.y);
        }
        break;
    default:
        engine.stylusHeld = false;
        if (engine.selection.column != -1) {
            playSound(kSoundSelect);
        }
        break;
    }
}

// Shows a dialog, message box or page with the game paused around it; without a dialog host
// nothing is shown.
template <typename Show> void withGamePaused(Show show) {
    pauseGame();
    if (shell.dialogs) {
        show(*shell.dialogs);
    }
    resumeGame();
}

void showHelp() {
    withGamePaused([](DialogHost& dialogs) {
        if (const auto path = nativePath(installPath(u"zorv help.htm"))) {
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
void newGame() {
    pauseGame();
    const int chosen = shell.dialogs ? newGameDialog(*shell.dialogs, engine) : 0;
    if (chosen != kNewGameCancel) {
        engine.demoMode = false;
        newBoard(engine);
    }
    resumeGame();
}

// The game goes on after the list and the reload as after every other dialog, not only when an
// activation follows (none comes without a window manager, or when the list closes by key).
void loadThemeCommand() {
    pauseGame();
    if (shell.dialogs) {
        themeListDialog(*shell.dialogs);
    }
    loadTheme();
    resumeGame();
}

bool handleCommand(Window& window, int id) {
    if (id == kCommandNew) {
        newGame();
    } else if (id == kCommandLoadTheme) {
        loadThemeCommand();
    } else if (id == kCommandHighScores) {
        withGamePaused([](DialogHost& dialogs) { highScoresDialog(dialogs, engine.level); });
    } else if (id == kCommandAbout) {
        withGamePaused([](DialogHost& dialogs) { aboutDialog(dialogs); });
    } else if (id == kCommandQuit || id == kCommandQuitKey) {
        window.sendMessage({MessageKind::Activate, 0, Activation::Deactivated});
        window.close();
    } else if (id == kCommandPause) {
        pauseGame();
        showMessageBox(u"Paused... Press OK to continue", u"Pause");
        resumeGame();
    } else if (id == kCommandSounds) {
        checkMenuItem(kMenuOptions, id, toggleSound() != 0);
    } else if (id == kCommandHints) {
        checkMenuItem(kMenuOptions, id, toggleHints() != 0);
    } else if (id == kCommandTurnScore) {
        checkMenuItem(kMenuOptions, id, toggleTurnScore() != 0);
    } else if (id == kCommandTransparency) {
        checkMenuItem(kMenuOptions, id, toggleTransparency() != 0);
        markAllCells(engine);
    } else if (isColour(id)) {
        checkRadioItem(kMenuColor, 7, id);
        setColor(id);
        markAllCells(engine);
    } else if (isSpeed(id)) {
        checkRadioItem(kMenuSpeed, 4, id);
        setSpeed(id);
        markAllCells(engine);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool mainWindowProc(Window& window, const WindowMessage& message) {
    if (interruptsRest(message)) {
        wakeClock(comesInBursts(message));
    }
    switch (message.kind) {
    case MessageKind::Create:
        createMenuBar(window);
        window.addAccelerator("Ctrl+A", kCommandAbout);
        window.addAccelerator("Ctrl+Q", kCommandQuitKey);
        return true;
    case MessageKind::Destroy:
        window.destroyMenuBar();
        shell.menuBar = nullptr;
        freeSounds();
        window.postQuit(0);
        return true;
    case MessageKind::Activate:
        if (message.activation == Activation::Deactivated) {
            pauseGame();
        } else {
            resumeGame();
        }
        return true;
    case MessageKind::Paint:
        paintWindow(window);
        return true;
    case MessageKind::Command:
        return handleCommand(window, message.commandId);
    case MessageKind::StylusDown:
    case MessageKind::StylusMove:
    case MessageKind::StylusUp:
        handleStylus(window, message);
        return true;
    case MessageKind::MenuOpened:
        pauseGame();
        return true;
    case MessageKind::MenuClosed:
        resumeGame();
        return true;
    case MessageKind::Help:
        showHelp();
        return true;
    case MessageKind::Frame:
        frameTick();
        return true;
    case MessageKind::KeyDown:
        pressGameKey(message.key);
        return true;
    case MessageKind::Resized:
        return true;
    case MessageKind::Close:
        return false;
    }
    return false;
}
