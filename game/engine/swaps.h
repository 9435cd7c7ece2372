// The player's swaps: stylus points to cells, the selection, starting and undoing swaps.
#pragma once

#include "game/engine/engine_state.h"

#include <optional>

// The board cell under a window pixel, or none when the point is off the board.
std::optional<CellPosition> pointToCell(int x, int y, double scaleX, double scaleY);

void stylusDown(EngineState& state, int x, int y, double scaleX, double scaleY);
void stylusDrag(EngineState& state, int x, int y, double scaleX, double scaleY);
// The stylus was lifted: a standing selection is confirmed with a sound.
void stylusUp(EngineState& state);

// Exchanges two neighbouring pieces and sets them sliding; remembers the swap.
void startSwap(EngineState& state, int column1, int row1, int column2, int row2);
// Undoes a swap that made no run, or on Expert charges 50 points while the score allows.
void swapBack(EngineState& state, int column1, int row1, int column2, int row2);
