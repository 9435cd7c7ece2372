// Play by keyboard beside the stylus: the same guard, the same taps, the same sounds.
#include "game/shell/keyboard_play.h"

#include "game/engine/board.h"
#include "game/engine/engine_state.h"
#include "game/engine/swaps.h"
#include "game/shell/game_clock.h"
#include "game/shell/sounds.h"

#include <algorithm>

KeyboardCursor keyboardCursor;

namespace {

void markCursorCell() {
    markCell(engine, keyboardCursor.column, keyboardCursor.row);
}

void moveCursor(int columns, int rows) {
    markCursorCell();
    if (!keyboardCursor.shown) {
        // The first arrow shows where the cursor is before it moves: on the selection, if any.
        keyboardCursor.shown = true;
        if (engine.selection.column != -1) {
            keyboardCursor.column = engine.selection.column;
            keyboardCursor.row = engine.selection.row;
        }
    } else {
        keyboardCursor.column = std::clamp(keyboardCursor.column + columns, 0, kColumns - 1);
        keyboardCursor.row = std::clamp(keyboardCursor.row + rows, 0, kRows - 1);
    }
    markCursorCell();
}

// A tap at the middle of the cursor's cell, in design units (scale 1), down and up again.
void tapCursorCell() {
    keyboardCursor.shown = true;
    const int x = kBoardLeft + kCellPitch * keyboardCursor.column + kCellPitch / 2;
    const int y = kBoardTop + kCellPitch * keyboardCursor.row + kCellPitch / 2;
    stylusDown(engine, x, y, 1, 1);
    stylusUp(engine);
    markCursorCell();
}

void clearSelection() {
    if (engine.selection.column != -1) {
        markCell(engine, engine.selection.column, engine.selection.row);
        engine.selection = CellPosition{};
    }
}

} // namespace

void pressGameKey(GameKey key) {
    if (boardInputRefused()) {
        return;
    }
    engine.idleMs = 0;
    switch (key) {
    case GameKey::Left:
        moveCursor(-1, 0);
        break;
    case GameKey::Right:
        moveCursor(1, 0);
        break;
    case GameKey::Up:
        moveCursor(0, -1);
        break;
    case GameKey::Down:
        moveCursor(0, 1);
        break;
    case GameKey::Tap:
        tapCursorCell();
        break;
    case GameKey::Escape:
        clearSelection();
        break;
    case GameKey::None:
        break;
    }
}

void hideKeyboardCursor() {
    if (keyboardCursor.shown) {
        keyboardCursor.shown = false;
        markCursorCell();
    }
}
