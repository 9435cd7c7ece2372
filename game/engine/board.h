// Dealing a board, drawing random pieces and marking cells for redrawing.
#pragma once

#include "game/engine/engine_state.h"

// A piece kind 0..6, uniform over the generator's 0..32767 (32767 is drawn again).
int randomPiece(EngineState& state);
// Deals a board without runs and resets score, selection and time.
void newBoard(EngineState& state);

// Marks one cell: clears DirtyTail and sets Dirty, so it is drawn in two frames.
void markCell(EngineState& state, int column, int row);
// Marks the cells left, right, above and below, those that exist.
void markNeighbours(EngineState& state, int column, int row);
void markAllCells(EngineState& state);
// Sets only Dirty, leaving DirtyTail as it is.
void setDirty(EngineState& state, int column, int row);

// Empties the cell (kind and offsets stay) and marks it and its neighbours.
void clearCell(EngineState& state, int column, int row);
void exchangePieces(EngineState& state, int column1, int row1, int column2, int row2);

// What a resumed game needs: the idle count restarts and every cell is drawn again.
void resumeBoard(EngineState& state);
