// The frames and sparkles, which every theme shares.
#include "game/render/piece_art.h"
#include "game/themes/own_bitmaps.h"
#include "game/themes/theme_loader.h"

namespace {

constexpr int kSelectionFrameId = 107;
constexpr int kHintFrameId = 122;
constexpr int kSparkleIds[3] = {114, 113, 112}; // large cross, diagonal cross, small cross

} // namespace

bool loadFrameBitmaps() {
    pieceArt.selectionFrame = loadOwnBitmap(kSelectionFrameId);
    pieceArt.hintFrame = loadOwnBitmap(kHintFrameId);
    return pieceArt.selectionFrame.has_value();
}

bool loadSparkleBitmaps() {
    for (auto& slot : pieceArt.sparkles) {
        slot.reset();
    }
    for (std::size_t stage = 0; stage < pieceArt.sparkles.size(); ++stage) {
        pieceArt.sparkles[stage] = loadOwnBitmap(kSparkleIds[stage]);
        if (!pieceArt.sparkles[stage]) {
            return false;
        }
    }
    return true;
}

void loadFixedBitmapsOrEnd() {
    // The hint frame is tried as well: the renderer draws from every slot of the table.
    bool framesLoaded = false;
    for (int tries = 0; tries < kOwnBitmapTries && !framesLoaded; ++tries) {
        framesLoaded = loadFrameBitmaps() && pieceArt.hintFrame;
    }
    if (!framesLoaded) {
        ownBitmapMissing(pieceArt.selectionFrame ? kHintFrameId : kSelectionFrameId);
    }
    bool sparklesLoaded = false;
    for (int tries = 0; tries < kOwnBitmapTries && !sparklesLoaded; ++tries) {
        sparklesLoaded = loadSparkleBitmaps();
    }
    for (std::size_t stage = 0; stage < pieceArt.sparkles.size(); ++stage) {
        if (!pieceArt.sparkles[stage]) {
            ownBitmapMissing(kSparkleIds[stage]);
        }
    }
}
