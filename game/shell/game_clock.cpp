// Pause and resume, message boxes, and one frame of engine work with the measured time.
#include "game/shell/game_clock.h"

#include "game/engine/board.h"
#include "game/engine/frame.h"
#include "game/shell/paint.h"
#include "game/shell/shell_state.h"
#include "platform/dialog_host.h"
#include "platform/tick_count.h"
#include "platform/window.h"

void pauseGame() {
    shell.running = false;
    releaseBackBuffer();
    if (shell.mainWindow) {
        shell.mainWindow->stopFrames();
    }
}

void resumeGame() {
    shell.previousTick = tickCount();
    shell.lastTick = shell.previousTick;
    shell.running = true;
    resumeBoard(engine);
    if (shell.mainWindow) {
        shell.mainWindow->startFrames();
        shell.mainWindow->activate();
    }
}

int showMessageBox(std::u16string_view text, std::u16string_view caption, MessageButtons buttons) {
    pauseGame();
    shell.messageBoxUp = true;
    int pressed = kDialogOk;
    if (shell.dialogs) {
        pressed = shell.dialogs->messageBox(
            {std::u16string(text), std::u16string(caption), buttons, false});
    }
    resumeGame();
    shell.messageBoxUp = false;
    return pressed;
}

void frameTick() {
    if (!shell.running) {
        return;
    }
    shell.previousTick = shell.lastTick;
    shell.lastTick = tickCount();
    runFrame(engine, shell.lastTick - shell.previousTick);
    if (shell.mainWindow) {
        // Drawn now, so that a frame that changes no pixel costs no paint at all.
        drawFrameAndInvalidate(*shell.mainWindow);
    }
}
