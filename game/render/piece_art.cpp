// The program's one table of board bitmaps.
#include "game/render/piece_art.h"

PieceArt pieceArt;
