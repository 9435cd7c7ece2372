// The built-in piece set, and the fall-back to it that the next start keeps.
#include "game/themes/own_bitmaps.h"
#include "game/themes/theme_loader.h"

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

void useBuiltInPieces(PieceArt& art, const ThemeSettings& settings) {
    for (auto& slot : art.pieces) {
        slot.reset();
    }
    if (settings.themePath) {
        std::fill_n(settings.themePath, kThemePathUnits, u'\0');
    }
    if (settings.savePreferences) {
        settings.savePreferences();
    }
    for (std::size_t kind = 0; kind < art.pieces.size(); ++kind) {
        art.pieces[kind] = loadBuiltInPiece(kBuiltInPieceIds[kind]);
    }
}
