// Pause and resume, message boxes, and one frame of engine work with the measured time.
#include "game/shell/game_clock.h"

#include "game/engine/board.h"
#include "game/engine/frame.h"
#include "game/engine/rest.h"
#include "game/render/drawing_due.h"
#include "game/shell/paint.h"
#include "game/shell/shell_state.h"
#include "platform/dialog_host.h"
#include "platform/modal_loops.h"
#include "platform/tick_count.h"
#include "platform/translation.h"
#include "platform/window.h"

#include <algorithm>
#include <climits>

namespace {

// A resume asked for inside a modal loop (an activation arriving late, a message box closed over
// a dialog) waits for the loop to end: the frames and the clock go on at the top level only.
bool resumeWaiting = false;

[[maybe_unused]] const int resumeAtTopLevel = addModalLoopsEndedListener([] {
    if (resumeWaiting) {
        resumeGame();
    }
});

// A resting board needs no frame until something on screen or in the rules is due; the frame
// then hands the engine the whole time since this one, with the outcome of many short frames.
void restUntilDue(Window& window) {
    if (!shell.running || !boardAtRest(engine)) {
        return;
    }
    const PixelSize client = window.clientSize();
    const std::uint32_t due =
        std::min(msUntilRulesDue(engine),
                 msUntilDrawingDue(engine, scaleForClient(client.width, client.height),
                                   currentRenderOptions()));
    window.restFrames(due == kNeverDue ? -1 : int(std::min<std::uint32_t>(due, INT_MAX)));
    shell.clockResting = true;
}

} // namespace

void pauseGame() {
    resumeWaiting = false;
    shell.clockResting = false;
    shell.running = false;
    releaseBackBuffer();
    if (shell.mainWindow) {
        shell.mainWindow->stopFrames();
    }
}

void resumeGame() {
    if (insideModalLoop()) {
        resumeWaiting = true;
        return;
    }
    resumeWaiting = false;
    shell.clockResting = false;
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

void showFatalError(std::u16string_view text) {
    pauseGame();
    showMessageBox(text, translate("Errors", "Error"));
}

bool boardInputRefused() {
    return engine.boardMoving || !shell.running || shell.messageBoxUp || engine.demoMode;
}

void frameTick() {
    shell.clockResting = false;
    if (!shell.running) {
        return;
    }
    shell.previousTick = shell.lastTick;
    shell.lastTick = tickCount();
    runFrame(engine, shell.lastTick - shell.previousTick);
    if (shell.mainWindow) {
        // Drawn now, so that a frame that changes no pixel costs no paint at all.
        drawFrameAndInvalidate(*shell.mainWindow);
        restUntilDue(*shell.mainWindow);
    }
}

void catchUpRestingClock() {
    // Frames run at the top level only, this one too.
    if (shell.clockResting && !insideModalLoop()) {
        frameTick();
    }
}
