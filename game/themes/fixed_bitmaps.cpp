// The selection and hint markers and the sparkles, which every theme shares.
#include "game/themes/own_bitmaps.h"
#include "game/themes/theme_loader.h"

namespace {

constexpr int kSelectionMarkerId = 107;
constexpr int kHintMarkerId = 122;
constexpr int kSparkleIds[3] = {114, 113, 112}; // large cross, diagonal cross, small cross

} // namespace

bool loadMarkerBitmaps(PieceArt& art) {
    art.selectionMarker = loadOwnBitmap(kSelectionMarkerId);
    art.hintMarker = loadOwnBitmap(kHintMarkerId);
    return art.selectionMarker.has_value();
}

bool loadSparkleBitmaps(PieceArt& art) {
    for (auto& slot : art.sparkles) {
        slot.reset();
    }
    for (std::size_t stage = 0; stage < art.sparkles.size(); ++stage) {
        art.sparkles[stage] = loadOwnBitmap(kSparkleIds[stage]);
        if (!art.sparkles[stage]) {
            return false;
        }
    }
    return true;
}

void loadFixedBitmapsOrEnd(PieceArt& art) {
    // The hint marker is tried as well: the renderer draws from every slot of the table.
    bool markersLoaded = false;
    for (int tries = 0; tries < kOwnBitmapTries && !markersLoaded; ++tries) {
        markersLoaded = loadMarkerBitmaps(art) && art.hintMarker;
    }
    if (!markersLoaded) {
        ownBitmapMissing(art.selectionMarker ? kHintMarkerId : kSelectionMarkerId);
    }
    bool sparklesLoaded = false;
    for (int tries = 0; tries < kOwnBitmapTries && !sparklesLoaded; ++tries) {
        sparklesLoaded = loadSparkleBitmaps(art);
    }
    for (std::size_t stage = 0; stage < art.sparkles.size(); ++stage) {
        if (!art.sparkles[stage]) {
            ownBitmapMissing(kSparkleIds[stage]);
        }
    }
}
