// The paint handler: draws the frame into the persistent back buffer and shows it.
#include "game/shell/paint.h"

#include "game/engine/board.h"
#include "game/render/back_buffer.h"
#include "game/render/board_renderer.h"
#include "game/render/merged_areas.h"
#include "game/shell/keyboard_play.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_state.h"
#include "platform/fatal_error.h"
#include "platform/translation.h"
#include "platform/window.h"

namespace {

BackBuffer backBuffer;
// Set when an engine frame's drawing is in the buffer and awaits its paint.
bool frameDrawn = false;

// Draws the frame; null when the client area is empty.
Surface* drawIntoBuffer(PixelSize client) {
    if (client.width <= 0 || client.height <= 0) {
        return nullptr;
    }
    Surface* buffer = backBuffer.forClient(client.width, client.height);
    if (!buffer) {
        fatalError(translate("Errors", "no bmpDC"));
    }
    // A fresh buffer is white: every cell must be drawn into it, or a paint while paused (a
    // menu open, a dialog up) would show a board of blank squares.
    if (backBuffer.fresh()) {
        markAllCells(engine);
    }
    drawFrame(*buffer, scaleForClient(client.width, client.height), engine, pieceArt,
              currentRenderOptions());
    return buffer;
}

// The frame's changes reach the window as one update of a few merged rectangles.
void invalidateChanges(Window& window) {
    for (const PixelRect& area : mergedAreas(backBuffer.takeChanges())) {
        window.invalidateArea(area);
    }
}

} // namespace

void paintWindow(Window& window) {
    // The program is ending behind a fatal error's box; nothing is left to draw into.
    if (fatalErrorShowing()) {
        return;
    }
    const PixelSize client = window.clientSize();
    Surface* buffer = nullptr;
    if (frameDrawn) {
        buffer = backBuffer.forClient(client.width, client.height);
        frameDrawn = false;
        if (backBuffer.fresh()) {
            buffer = nullptr;
        }
    }
    if (!buffer) {
        buffer = drawIntoBuffer(client);
        if (!buffer) {
            return;
        }
        // The paint may cover less than this drawing changed (an uncovered corner): the rest
        // is painted next.
        invalidateChanges(window);
    }
    window.present(*buffer);
}

void drawFrameAndInvalidate(Window& window) {
    if (!drawIntoBuffer(window.clientSize())) {
        return;
    }
    frameDrawn = true;
    invalidateChanges(window);
}

RenderOptions currentRenderOptions() {
    RenderOptions options;
    options.backgroundColor = preferences.backgroundColor();
    options.hintsOn = preferences.hintsOn != 0;
    options.showTurnScore = preferences.showTurnScore != 0;
    options.transparencyOn = preferences.transparencyOn != 0;
    options.messageBoxUp = shell.messageBoxUp;
    if (keyboardCursor.shown) {
        options.cursorColumn = keyboardCursor.column;
        options.cursorRow = keyboardCursor.row;
    }
    return options;
}

void releaseBackBuffer() {
    backBuffer.release();
    frameDrawn = false;
}
