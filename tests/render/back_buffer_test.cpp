// Which parts of the back buffer count as changed, and that a line drawn again is drawn alike.
#include "game/render/back_buffer.h"
#include "game/render/board_renderer.h"
#include "game/render/status_renderer.h"

#include <gtest/gtest.h>

namespace {

bool sameImage(const Surface& a, const Surface& b) {
    return a.image() == b.image();
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return !inner.empty() && inner.left >= outer.left && inner.top >= outer.top &&
           inner.right <= outer.right && inner.bottom <= outer.bottom;
}

EngineState restingBoard() {
    EngineState state;
    state.demoMode = false;
    state.level = Normal;
    state.timeLeftMs = 50000;
    for (Cell& cell : state.board) {
        cell.flags = Dirty;
    }
    return state;
}

} // namespace

TEST(BackBuffer, OnlyPixelsThatChangedCountAsChanged) {
    BackBuffer buffer;
    Surface* surface = buffer.forClient(240, 294);
    ASSERT_NE(surface, nullptr);
    surface->fillRect({10, 10, 20, 20}, blackColour);
    const std::vector<PixelRect> fresh = buffer.takeChanges();
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(fresh[0].right, 240);
    EXPECT_EQ(fresh[0].bottom, 294);

    // Drawing the same again changes nothing; a wide fill counts only the rows it changed.
    surface->fillRect({10, 10, 20, 20}, blackColour);
    EXPECT_TRUE(buffer.takeChanges().empty());
    surface->fillRect({0, 0, 100, 100}, whiteColour);
    surface->fillRect({0, 0, 100, 100}, whiteColour);
    const std::vector<PixelRect> changed = buffer.takeChanges();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], (PixelRect{0, 10, 100, 20}));

    // A line counts where it lies, and areas off the surface count nowhere.
    const PixelPoint line[] = {{50, 200}, {50, 260}};
    surface->polyline(line);
    surface->fillRect({-50, -50, -10, -10}, blackColour);
    const std::vector<PixelRect> lined = buffer.takeChanges();
    ASSERT_EQ(lined.size(), 1u);
    EXPECT_EQ(lined[0].left, 50);
    EXPECT_EQ(lined[0].right, 51);
    EXPECT_EQ(lined[0].top, 200);
    EXPECT_EQ(lined[0].bottom, 260);

    // Released or resized, the buffer starts over and all of it counts.
    buffer.release();
    buffer.forClient(480, 588);
    const std::vector<PixelRect> again = buffer.takeChanges();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].right, 480);
}

TEST(BackBuffer, ARestingBoardRedrawnChangesNothingAndAMovedPieceOnlyItsCells) {
    PieceArt art;
    RenderOptions options;
    EngineState state = restingBoard();
    BackBuffer buffer;
    const Scale scale = scaleForClient(480, 588);
    Surface* surface = buffer.forClient(480, 588);
    drawFrame(*surface, scale, state, art, options);
    buffer.takeChanges();
    drawFrame(*surface, scale, state, art, options);
    EXPECT_TRUE(buffer.takeChanges().empty());

    // A new score changes the status line alone.
    state.score = 370;
    drawFrame(*surface, scale, state, art, options);
    const std::vector<PixelRect> scored = buffer.takeChanges();
    ASSERT_FALSE(scored.empty());
    for (const PixelRect& area : scored) {
        EXPECT_TRUE(inside(area, {20, 490, 460, 518}));
    }
}

TEST(StatusLine, DrawnAgainOverOtherPixelsOrWithOtherTextItMatchesAFreshDrawing) {
    EngineState state = restingBoard();
    RenderOptions options;
    const Scale scale{3, 3};
    const auto fresh = [&] {
        Surface target(720, 882);
        drawStatusLine(target, scale, state, options);
        return target;
    };
    Surface target(720, 882);
    state.score = 10;
    drawStatusLine(target, scale, state, options);
    const Surface ten = fresh();
    EXPECT_TRUE(sameImage(target, ten));

    // Another text and back again.
    state.score = 20;
    drawStatusLine(target, scale, state, options);
    EXPECT_TRUE(sameImage(target, fresh()));
    state.score = 10;
    drawStatusLine(target, scale, state, options);
    EXPECT_TRUE(sameImage(target, ten));

    // Something drawn over the line is drawn over in turn.
    target.fillRect({40, 740, 300, 760}, rgbColour(9, 9, 9));
    drawStatusLine(target, scale, state, options);
    EXPECT_TRUE(sameImage(target, ten));

    // The same line on another surface, of another size, is drawn there too.
    Surface small(240, 294);
    drawStatusLine(small, {1, 1}, state, options);
    EXPECT_EQ(small.pixel(10, 245), whiteColour);
    Surface other(720, 882);
    drawStatusLine(other, scale, state, options);
    EXPECT_TRUE(sameImage(other, ten));
}

TEST(BackBuffer, StaysFreshUntilItsDrawingIsTakenWhateverAsksForItInBetween) {
    BackBuffer buffer;
    ASSERT_NE(buffer.forClient(240, 294), nullptr);
    buffer.takeChanges();
    EXPECT_FALSE(buffer.fresh());
    // A resize made a new buffer; a second look at the same size must not hide that.
    ASSERT_NE(buffer.forClient(245, 294), nullptr);
    EXPECT_TRUE(buffer.forClient(245, 294) && buffer.fresh());
    const std::vector<PixelRect> changes = buffer.takeChanges();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].right, 245);
    EXPECT_FALSE(buffer.fresh());
    buffer.forClient(245, 294);
    EXPECT_FALSE(buffer.fresh());
    buffer.release();
    buffer.forClient(245, 294);
    EXPECT_TRUE(buffer.fresh());
}
