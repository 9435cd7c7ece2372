// The frames and sparkles, which every theme shares.
#include "game/themes/own_bitmaps.h"
#include "game/themes/theme_loader.h"

namespace {

constexpr int kSelectionFrameId = 107;
constexpr int kHintFrameId = 122;
constexpr int kSparkleIds[3] = {114, 113, 112}; // large cross, diagonal cross, small cross

} // namespace

bool loadFrameBitmaps(PieceArt& art) {
    art.selectionFrame = loadOwnBitmap(kSelectionFrameId);
    art.hintFrame = loadOwnBitmap(kHintFrameId);
    return art.selectionFrame.has_value();
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
    // The hint frame is tried as well: the renderer draws from every slot of the table.
    bool framesLoaded = false;
    for (int tries = 0; tries < kOwnBitmapTries && !framesLoaded; ++tries) {
        framesLoaded = loadFrameBitmaps(art) && art.hintFrame;
    }
    if (!framesLoaded) {
        ownBitmapMissing(art.selectionFrame ? kHintFrameId : kSelectionFrameId);
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
