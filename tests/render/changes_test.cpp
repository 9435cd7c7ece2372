// What a frame draws again: only what changed, and always what a fresh drawing would show.
#include "engine/engine_fixture.h"
#include "game/engine/board.h"
#include "game/engine/tick.h"
#include "game/render/renderer.h"
#include "render_fixture.h"

#include <gtest/gtest.h>

namespace {

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return !inner.empty() && inner.left >= outer.left && inner.top >= outer.top &&
           inner.right <= outer.right && inner.bottom <= outer.bottom;
}

} // namespace

TEST(FrameChanges, ARestingBoardChangesNothingANewScoreTheLineAndANewSizeEverything) {
    const PieceArt& art = squaresArt();
    RenderOptions options;
    EngineState state = stillBoard(Normal);
    Renderer renderer;
    const std::vector<PixelRect> first = renderer.draw({480, 588}, state, art, options);
    EXPECT_EQ(first, (std::vector<PixelRect>{{0, 0, 480, 588}}));
    EXPECT_TRUE(renderer.draw({480, 588}, state, art, options).empty());

    state.score = 370;
    const std::vector<PixelRect> scored = renderer.draw({480, 588}, state, art, options);
    ASSERT_FALSE(scored.empty());
    for (const PixelRect& area : scored) {
        EXPECT_TRUE(inside(area, {20, 490, 460, 518}));
    }
    EXPECT_EQ(renderer.draw({486, 588}, state, art, options),
              (std::vector<PixelRect>{{0, 0, 486, 588}}));
}

TEST(FrameChanges, EveryFrameOfADemoShowsWhatAFreshDrawingOfItsStateShows) {
    const PieceArt& art = squaresArt();
    RenderOptions options;
    options.cursorColumn = 3; // a cursor reaches into the tiles around its own
    options.cursorRow = 6;
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        const PixelSize client{240 * scale, 294 * scale};
        RecordingServices services;
        EngineState state;
        state.services = &services;
        newBoard(state);
        Renderer renderer;
        for (int tick = 0; tick < 400; ++tick) {
            runTick(state, 16 + tick % 5);
            // Now and then a selection, a hint or a piece coming in above the board.
            if (tick % 97 == 50 && !state.boardMoving) {
                state.selection = {tick % 8, 2};
            }
            state.idleMs = tick % 89 > 70 ? 20000 : state.idleMs;
            renderer.draw(client, state, art, options);
            EngineState same = state;
            Renderer fresh;
            fresh.draw(client, same, art, options);
            ASSERT_TRUE(renderer.picture()->image() == fresh.picture()->image()) << tick;
        }
    }
}

TEST(StatusLine, DrawnAgainOverOtherPixelsOrWithOtherTextItMatchesAFreshDrawing) {
    EngineState state = stillBoard(Normal);
    const RenderOptions options;
    const auto draw = [&](Surface& target) {
        drawStatusLine(target, statusLook(state, {3, 3}, options));
    };
    const auto fresh = [&] {
        Surface target(720, 882);
        draw(target);
        return target.image();
    };
    Surface target(720, 882);
    state.score = 10;
    draw(target);
    const QImage ten = fresh();
    EXPECT_TRUE(target.image() == ten);

    // Another text and back again; something drawn over the line is drawn over in turn.
    state.score = 20;
    draw(target);
    EXPECT_TRUE(target.image() == fresh());
    state.score = 10;
    draw(target);
    EXPECT_TRUE(target.image() == ten);
    target.fillRect({40, 740, 300, 760}, rgbColour(9, 9, 9));
    draw(target);
    EXPECT_TRUE(target.image() == ten);
}
