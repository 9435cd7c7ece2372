// The game's clock: rest, wake and the display's pace decided in one place.
#include "game/shell/game_clock.h"

#include "game/engine/board.h"
#include "game/engine/tick.h"
#include "game/shell/game.h"
#include "platform/fatal_error.h"
#include "platform/modal_loops.h"
#include "platform/tick_count.h"
#include "platform/translation.h"

#include <algorithm>
#include <climits>

namespace {

// What the renderer draws with besides the engine and the bitmaps: the options and the cursor.
RenderOptions renderOptions(const Game& game) {
    const Preferences& preferences = game.preferences;
    RenderOptions options;
    options.backgroundColor = preferences.backgroundColor();
    options.hintsOn = preferences.hintsOn != 0;
    options.showTurnScore = preferences.showTurnScore != 0;
    options.transparencyOn = preferences.transparencyOn != 0;
    if (game.keyboardCursor.shown) {
        options.cursorColumn = game.keyboardCursor.column;
        options.cursorRow = game.keyboardCursor.row;
    }
    return options;
}

bool awake(const ClockState& clock, std::uint32_t now) {
    return std::int32_t(clock.awakeUntil - now) > 0;
}

// A resting board needs no frame until something on screen or in the rules is due; that frame
// then hands the engine the whole time since this one, with the outcome of many short frames.
void scheduleNextFrame(Game& game, Window& window) {
    const bool atRest = boardAtRest(game.engine);
    std::uint32_t due = kNeverDue;
    if (atRest) {
        const PixelSize client = window.clientSize();
        due =
            std::min(msUntilRulesDue(game.engine),
                     msUntilDrawingChanges(game.engine, scaleForClient(client.width, client.height),
                                           renderOptions(game)));
    }
    const NextFrame next = nextFrame(atRest, due, awake(game.clock, game.clock.lastTick));
    game.clock.resting = next.kind != NextFrame::AtDisplayPace;
    window.scheduleFrame(next);
}

// Draws the frame into the renderer's buffer; gives the areas whose pixels changed.
std::vector<PixelRect> drawPicture(Game& game, Window& window) {
    const PixelSize client = window.clientSize();
    if (client.width <= 0 || client.height <= 0) {
        return {};
    }
    std::vector<PixelRect> changed =
        game.renderer.draw(client, game.engine, game.pieceArt, renderOptions(game));
    if (!game.renderer.picture()) {
        fatalError(translate("Errors", "no bmpDC"));
    }
    return changed;
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

void pauseGame(Game& game) {
    game.clock.resumeWaiting = false;
    game.clock.resting = false;
    game.clock.running = false;
    if (game.window) {
        game.window->scheduleFrame(NextFrame::never());
    }
}

void resumeGame(Game& game) {
    ClockState& clock = game.clock;
    if (insideModalLoop()) {
        clock.resumeWaiting = true;
        return;
    }
    clock.resumeWaiting = false;
    clock.resting = false;
    clock.previousTick = tickCount();
    clock.lastTick = clock.previousTick;
    clock.running = true;
    resumeBoard(game.engine);
    if (game.window) {
        game.window->scheduleFrame(NextFrame::atDisplayPace());
        // Keys go to the board once the player is back in the window; only a second start of
        // the game brings the window forward.
        game.window->focusBoard();
    }
}

void backAtTopLevel(Game& game) {
    if (game.clock.resumeWaiting) {
        resumeGame(game);
    } else if (game.clock.running && game.window) {
        game.clock.resting = false;
        game.window->scheduleFrame(NextFrame::atDisplayPace());
    }
}

void frameTick(Game& game) {
    ClockState& clock = game.clock;
    if (!clock.running) {
        return;
    }
    clock.resting = false;
    clock.previousTick = clock.lastTick;
    clock.lastTick = tickCount();
    runTick(game.engine, clock.lastTick - clock.previousTick);
    // The engine may have paused the game for its boxes, and resumed it.
    if (game.window && clock.running) {
        // Painted before the frame returns to the event loop, which would otherwise wake the
        // program a second time to paint it.
        game.window->paintNow(drawPicture(game, *game.window));
        scheduleNextFrame(game, *game.window);
    }
}

void redrawAll(Game& game) {
    if (!game.window) {
        return;
    }
    game.renderer.forget();
    // The window's margins continue the board's ground, which changes only with a redraw of all.
    game.window->setMarginColour(boardGround(renderOptions(game)));
    for (const PixelRect& area : drawPicture(game, *game.window)) {
        game.window->invalidateArea(area);
    }
}

void wakeClock(Game& game, bool burst) {
    ClockState& clock = game.clock;
    if (burst) {
        clock.awakeUntil = tickCount() + kAwakeAfterBurstMs;
    }
    if (!clock.resting || insideModalLoop()) {
        return;
    }
    frameTick(game);
    if (clock.running && game.window) {
        clock.resting = false;
        game.window->scheduleFrame(NextFrame::after(0));
    }
}
