// The paint handler: draws the frame into the persistent back buffer and shows it.
#include "game/shell/paint.h"

#include "game/engine/board.h"
#include "game/render/board_renderer.h"
#include "game/render/merged_areas.h"
#include "game/shell/game.h"
#include "platform/fatal_error.h"
#include "platform/window.h"

namespace {

// Draws the frame; null when the client area is empty.
Surface* drawIntoBuffer(Game& game, PixelSize client) {
    BackBuffer& backBuffer = game.backBuffer;
    if (client.width <= 0 || client.height <= 0) {
        return nullptr;
    }
    Surface* buffer = backBuffer.forClient(client.width, client.height);
    if (!buffer) {
        fatalError(u"no bmpDC");
    }
    // A fresh buffer is white: every cell must be drawn into it, or a paint while paused (a
    // menu open, a dialog up) would show a board of blank squares.
    if (backBuffer.fresh()) {
        markAllCells(game.engine);
    }
    drawFrame(*buffer, scaleForClient(client.width, client.height), game.engine, game.pieceArt,
              currentRenderOptions(game));
    return buffer;
}

// The frame's changes reach the window as one update of a few merged rectangles.
void invalidateChanges(Game& game, Window& window) {
    for (const PixelRect& area : mergedAreas(game.backBuffer.takeChanges())) {
        window.invalidateArea(area);
    }
}

} // namespace

void paintWindow(Game& game, Window& window) {
    // The program is ending behind a fatal error's box; nothing is left to draw into.
    if (fatalErrorShowing()) {
        return;
    }
    const PixelSize client = window.clientSize();
    Surface* buffer = nullptr;
    if (game.frameDrawn) {
        buffer = game.backBuffer.forClient(client.width, client.height);
        game.frameDrawn = false;
        if (game.backBuffer.fresh()) {
            buffer = nullptr;
        }
    }
    if (!buffer) {
        buffer = drawIntoBuffer(game, client);
        if (!buffer) {
            return;
        }
        // The paint may cover less than this drawing changed (an uncovered corner): the rest
        // is painted next.
        invalidateChanges(game, window);
    }
    window.present(*buffer);
}

void drawFrameAndInvalidate(Game& game, Window& window) {
    if (!drawIntoBuffer(game, window.clientSize())) {
        return;
    }
    game.frameDrawn = true;
    invalidateChanges(game, window);
}

RenderOptions currentRenderOptions(const Game& game) {
    const Preferences& preferences = game.preferences;
    RenderOptions options;
    options.backgroundColor = preferences.backgroundColor();
    options.hintsOn = preferences.hintsOn != 0;
    options.showTurnScore = preferences.showTurnScore != 0;
    options.transparencyOn = preferences.transparencyOn != 0;
    options.messageBoxUp = game.clock.messageBoxUp;
    if (game.keyboardCursor.shown) {
        options.cursorColumn = game.keyboardCursor.column;
        options.cursorRow = game.keyboardCursor.row;
    }
    return options;
}

void releaseBackBuffer(Game& game) {
    game.backBuffer.release();
    game.frameDrawn = false;
}
