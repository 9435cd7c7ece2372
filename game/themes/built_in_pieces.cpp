// The built-in piece set, and the fall-back to it that the next start keeps.
#include "game/render/piece_art.h"
#include "game/themes/own_bitmaps.h"
#include "game/themes/theme_loader.h"
#include "game/themes/theme_settings.h"

#include <algorithm>

namespace {

// Resource ids by piece kind.
constexpr int kBuiltInPieceIds[7] = {121, 116, 117, 118, 119, 120, 115};

Bitmap loadBuiltInPiece(int resourceId) {
    for (int tries = 0; tries < kOwnBitmapTries; ++tries) {
        if (auto bitmap = loadOwnBitmap(resourceId)) {
            return *std::move(bitmap);
        }
    }
    ownBitmapMissing(resourceId);
}

} // namespace

void useBuiltInPieces() {
    for (auto& slot : pieceArt.pieces) {
        slot.reset();
    }
    if (themeSettings.themePath) {
        std::fill_n(themeSettings.themePath, kThemePathUnits, u'\0');
    }
    if (themeSettings.savePreferences) {
        themeSettings.savePreferences();
    }
    for (std::size_t kind = 0; kind < pieceArt.pieces.size(); ++kind) {
        pieceArt.pieces[kind] = loadBuiltInPiece(kBuiltInPieceIds[kind]);
    }
}
