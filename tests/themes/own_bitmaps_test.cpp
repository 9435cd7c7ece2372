// The program's own bitmaps: one that will not load ends the game with a clear text.
#include "game/render/piece_art.h"
#include "game/resources/game_resources.h"
#include "game/themes/theme_loader.h"
#include "platform/fatal_error.h"
#include "platform/text.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

class PrintedError : public FatalErrorDisplay {
  public:
    void show(std::u16string_view text) override {
        std::fprintf(stderr, "%s\n", utf8FromUtf16(text).c_str());
    }
};

} // namespace

// Outside the anonymous namespace: the resource clean-up names a function of the library.
static void loadWithoutResources() {
    static PrintedError display;
    setFatalErrorDisplay(&display);
    initGameResources();
    Q_CLEANUP_RESOURCE(resources);
    PieceArt art;
    loadTheme(art, {});
}

TEST(OwnBitmaps, AMissingResourceEndsTheGameWithItsIdInsteadOfRetryingForever) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(loadWithoutResources(), ::testing::ExitedWithCode(0),
                "The game's own bitmap 107 could not be loaded");
}

TEST(OwnBitmaps, ResourcesThatLoadFillEveryFrameAndSparkleSlot) {
    initGameResources();
    PieceArt pieceArt;
    EXPECT_TRUE(loadMarkerBitmaps(pieceArt));
    EXPECT_TRUE(loadSparkleBitmaps(pieceArt));
    EXPECT_TRUE(pieceArt.hintMarker);
    for (const auto& sparkle : pieceArt.sparkles) {
        ASSERT_TRUE(sparkle);
        EXPECT_EQ(sparkle->width(), 28);
    }
    EXPECT_EQ(pieceArt.selectionMarker->width(), 30);
}
