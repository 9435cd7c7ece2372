// The end of a game: the message, the high-score entry and the way back to demo mode.
#pragma once

#include "game/engine/engine_state.h"

enum EndReason : int {
    NoMovesLeft = 1,
    TimeIsUp = 2,
};

// Ends the current game, or in demo mode just deals a new board.
void gameOver(EngineState& state, int reason);
