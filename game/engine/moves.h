// The move search: the hint, the demo's own moves and the end of a game without moves or time.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>

// The move search hides the turn score once the board has rested longer than this.
constexpr std::uint32_t kTurnScoreShownMs = 2500;

// Would exchanging the two pieces make a run through either cell? The board is left as it was.
bool swapMakesRun(EngineState& state, int column1, int row1, int column2, int row2);
// Stores a found move; in demo mode plays it at once.
void recordMove(EngineState& state, int column1, int row1, int column2, int row2);
// Run on a board at rest for a whole tick: finds the hint, plays the demo, or ends the game.
void searchMoves(EngineState& state);
