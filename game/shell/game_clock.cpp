// The game's clock: rest, wake and the display's pace decided in one place.
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

#include <algorithm>
#include <climits>

namespace {

// Frames and the clock go on at the top level only: a resume asked for inside a modal loop
// waits for it to end, and frames that ran when the loop began ask for the display's pace again.
[[maybe_unused]] const int atTopLevelAgain = addModalLoopsEndedListener([] {
    if (shell.resumeWaiting) {
        resumeGame();
    } else if (shell.running && shell.mainWindow) {
        shell.resting = false;
        shell.mainWindow->scheduleFrame(NextFrame::atDisplayPace());
    }
});

bool awake(std::uint32_t now) {
    return std::int32_t(shell.awakeUntil - now) > 0;
}

// A resting board needs no frame until something on screen or in the rules is due; that frame
// then hands the engine the whole time since this one, with the outcome of many short frames.
void scheduleNextFrame(Window& window) {
    const bool atRest = boardAtRest(engine);
    std::uint32_t due = kNeverDue;
    if (atRest) {
        const PixelSize client = window.clientSize();
        due = std::min(msUntilRulesDue(engine),
                       msUntilDrawingDue(engine, scaleForClient(client.width, client.height),
                                         currentRenderOptions()));
    }
    const NextFrame next = nextFrame(atRest, due, awake(shell.lastTick));
    shell.resting = next.kind != NextFrame::AtDisplayPace;
    window.scheduleFrame(next);
}

} // namespace

NextFrame nextFrame(bool boardAtRest, std::uint32_t msUntilDue, bool awake) {
    if (!boardAtRest || awake) {
        return NextFrame::atDisplayPace();
    }
    if (msUntilDue == kNeverDue) {
        return NextFrame::never();
    }
    return NextFrame::after(int(std::min<std::uint32_t>(msUntilDue, INT_MAX)));
}

void pauseGame() {
    shell.resumeWaiting = false;
    shell.resting = false;
    shell.running = false;
    releaseBackBuffer();
    if (shell.mainWindow) {
        shell.mainWindow->scheduleFrame(NextFrame::never());
    }
}

void resumeGame() {
    if (insideModalLoop()) {
        shell.resumeWaiting = true;
        return;
    }
    shell.resumeWaiting = false;
    shell.resting = false;
    shell.previousTick = tickCount();
    shell.lastTick = shell.previousTick;
    shell.running = true;
    resumeBoard(engine);
    if (shell.mainWindow) {
        shell.mainWindow->scheduleFrame(NextFrame::atDisplayPace());
        shell.mainWindow->activate();
    }
}

void frameTick() {
    if (!shell.running) {
        return;
    }
    shell.resting = false;
    shell.previousTick = shell.lastTick;
    shell.lastTick = tickCount();
    runFrame(engine, shell.lastTick - shell.previousTick);
    // The engine may have paused the game for its boxes, and resumed it.
    if (shell.mainWindow && shell.running) {
        drawFrameAndInvalidate(*shell.mainWindow);
        scheduleNextFrame(*shell.mainWindow);
    }
}

void wakeClock(bool burst) {
    if (burst) {
        shell.awakeUntil = tickCount() + kAwakeAfterBurstMs;
    }
    if (!shell.resting || insideModalLoop()) {
        return;
    }
    frameTick();
    if (shell.running && shell.mainWindow) {
        shell.resting = false;
        shell.mainWindow->scheduleFrame(NextFrame::after(0));
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
    showMessageBox(text, u"Error");
}

bool boardInputRefused() {
    return engine.boardMoving || !shell.running || shell.messageBoxUp || engine.demoMode;
}
