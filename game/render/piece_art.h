// The bitmaps the board is drawn with: seven pieces, the two markers and three sparkle stages.
#pragma once

#include "platform/bitmap.h"

#include <array>
#include <optional>

// Theme loading is the table's only writer.
struct PieceArt {
    std::array<std::optional<Bitmap>, 7> pieces; // by piece kind
    std::optional<Bitmap> selectionMarker;
    std::optional<Bitmap> hintMarker;
    std::array<std::optional<Bitmap>, 3> sparkles; // large cross, diagonal cross, small cross
};
