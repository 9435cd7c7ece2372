// Play by keyboard: a cursor the arrows move over the board, a key that taps, a key that lets go.
#pragma once

#include "platform/window.h"

// The cell the keyboard points at; it shows from the first arrow key until the stylus touches.
struct KeyboardCursor {
    bool shown = false;
    int column = 0;
    int row = 0;
};

struct Game;

// A key of the board: arrows move the cursor (the first one only shows it), the tap key acts as
// a tap on the cursor's cell, Escape clears the selection. Refused as the stylus is.
void pressGameKey(Game& game, GameKey key);
// The stylus touched the board: the cursor goes until the next arrow key.
void hideKeyboardCursor(Game& game);
