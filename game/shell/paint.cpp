// The paint handler: draws the frame into the persistent back buffer and shows it.
#include "game/shell/paint.h"

#include "game/engine/board.h"
#include "game/render/back_buffer.h"
#include "game/render/board_renderer.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_state.h"
#include "platform/fatal_error.h"
#include "platform/window.h"

namespace {

BackBuffer backBuffer;

RenderOptions currentOptions() {
    RenderOptions options;
    options.backgroundColor = preferences.backgroundColor();
    options.hintsOn = preferences.hintsOn != 0;
    options.showTurnScore = preferences.showTurnScore != 0;
    options.transparencyOn = preferences.transparencyOn != 0;
    options.messageBoxUp = shell.messageBoxUp;
    return options;
}

} // namespace

void paintWindow(Window& window) {
    const PixelSize client = window.clientSize();
    if (client.width <= 0 || client.height <= 0) {
        return;
    }
    Surface* buffer = backBuffer.forClient(client.width, client.height);
    if (!buffer) {
        fatalError(u"no bmpDC");
    }
    // A fresh buffer is white: every cell must be drawn into it, or a paint while paused (a
    // menu open, a dialog up) would show a board of blank squares.
    if (backBuffer.madeAnew()) {
        markAllCells(engine);
    }
    drawFrame(*buffer, scaleForClient(client.width, client.height), engine, pieceArt,
              currentOptions());
    window.present(*buffer);
}

void releaseBackBuffer() {
    backBuffer.release();
}
