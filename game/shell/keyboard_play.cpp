// Play by keyboard beside the stylus: the same guard, the same taps, the same sounds.
#include "game/shell/keyboard_play.h"

#include "game/engine/board.h"
#include "game/engine/swaps.h"
#include "game/shell/game.h"

#include <algorithm>

namespace {

void markCursorCell(Game& game) {
    markCell(game.engine, game.keyboardCursor.column, game.keyboardCursor.row);
}

void moveCursor(Game& game, int columns, int rows) {
    KeyboardCursor& cursor = game.keyboardCursor;
    markCursorCell(game);
    if (!cursor.shown) {
        // The first arrow shows where the cursor is before it moves: on the selection, if any.
        cursor.shown = true;
        if (game.engine.selection.column != -1) {
            cursor.column = game.engine.selection.column;
            cursor.row = game.engine.selection.row;
        }
    } else {
        cursor.column = std::clamp(cursor.column + columns, 0, kColumns - 1);
        cursor.row = std::clamp(cursor.row + rows, 0, kRows - 1);
    }
    markCursorCell(game);
}

// A tap at the middle of the cursor's cell, in design units (scale 1), down and up again.
void tapCursorCell(Game& game) {
    game.keyboardCursor.shown = true;
    const int x = kBoardLeft + kCellPitch * game.keyboardCursor.column + kCellPitch / 2;
    const int y = kBoardTop + kCellPitch * game.keyboardCursor.row + kCellPitch / 2;
    stylusDown(game.engine, x, y, 1, 1);
    stylusUp(game.engine);
    markCursorCell(game);
}

void clearSelection(EngineState& engine) {
    if (engine.selection.column != -1) {
        markCell(engine, engine.selection.column, engine.selection.row);
        engine.selection = CellPosition{};
    }
}

} // namespace

void pressGameKey(Game& game, GameKey key) {
    if (boardInputRefused(game)) {
        return;
    }
    game.engine.idleMs = 0;
    switch (key) {
    case GameKey::Left:
        moveCursor(game, -1, 0);
        break;
    case GameKey::Right:
        moveCursor(game, 1, 0);
        break;
    case GameKey::Up:
        moveCursor(game, 0, -1);
        break;
    case GameKey::Down:
        moveCursor(game, 0, 1);
        break;
    case GameKey::Tap:
        tapCursorCell(game);
        break;
    case GameKey::Escape:
        clearSelection(game.engine);
        break;
    case GameKey::None:
        break;
    }
}

void hideKeyboardCursor(Game& game) {
    if (game.keyboardCursor.shown) {
        game.keyboardCursor.shown = false;
        markCursorCell(game);
    }
}
