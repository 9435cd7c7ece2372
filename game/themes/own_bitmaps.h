// The program's own bitmaps, found by resource id.
#pragma once

#include "game/render/piece_art.h"
#include "platform/bitmap.h"

#include <optional>

std::optional<Bitmap> loadOwnBitmap(int resourceId);

// Ends the program with a text naming the resource, for a bitmap that the program ships with.
[[noreturn]] void ownBitmapMissing(int resourceId);

// How often loadTheme tries the program's own bitmaps before giving up.
constexpr int kOwnBitmapTries = 3;

// Loads the markers and sparkles, each tried kOwnBitmapTries times before the program ends.
void loadFixedBitmapsOrEnd(PieceArt& art);
