// Theme loading: the seven piece bitmaps of the current theme or the built-in set, and the markers
// and sparkles.
#pragma once

#include "game/render/piece_art.h"
#include "game/themes/theme_settings.h"

// Fills every slot of the art: the markers, the sparkles and the pieces of the current theme,
// or the built-in pieces when the theme cannot be used (that fall-back is saved). A bitmap of
// the program's own that will not load after a few tries is a fatal error.
void loadTheme(PieceArt& art, const ThemeSettings& settings);

// Clears and saves the theme path, then loads the built-in pieces into every slot.
void useBuiltInPieces(PieceArt& art, const ThemeSettings& settings);

// Loads the seven unpacked piece files; true only when all seven loaded.
bool loadUnpackedPieces(PieceArt& art, const ThemeSettings& settings);

// Loads the selection and hint markers; the result is whether the selection marker loaded.
bool loadMarkerBitmaps(PieceArt& art);

// Loads the three sparkle stages, each only after the one before it; true when all three loaded.
bool loadSparkleBitmaps(PieceArt& art);
