// When a resting board's drawing next changes: the time bar's next pixel, the hint marker.
#include "board_fixture.h"
#include "game/engine/tick.h"
#include "game/render/renderer.h"

#include <gtest/gtest.h>

namespace {

EngineState resting(int level, std::uint32_t timeLeftMs, std::uint32_t idleMs) {
    EngineState state = stillBoard(level);
    state.timeLeftMs = timeLeftMs;
    state.idleMs = idleMs;
    return state;
}

TEST(DrawingDue, TheTimeBarIsDueExactlyWhenItsEdgeReachesAnotherPixel) {
    RenderOptions noHints;
    noHints.hintsOn = false;
    for (const double scale : {1.0, 3.0}) {
        for (const std::uint32_t left : {105000u, 104999u, 52345u, 1000u, 478u}) {
            SCOPED_TRACE(left);
            const std::uint32_t due =
                msUntilDrawingChanges(resting(Normal, left, 0), {scale, scale}, noHints);
            ASSERT_GE(due, 1u);
            ASSERT_LE(due, left);
            const auto edge = [scale](std::uint32_t ms) { return int(timeBarRight(ms) * scale); };
            EXPECT_EQ(edge(left - (due - 1)), edge(left));
            EXPECT_NE(edge(left - due), edge(left));
        }
    }
    // An all-black bar changes no more; Easy has no bar; a window too small shows none.
    EXPECT_EQ(msUntilDrawingChanges(resting(Normal, 477, 0), {1, 1}, noHints), kNeverDue);
    EXPECT_EQ(msUntilDrawingChanges(resting(Easy, 50000, 0), {1, 1}, noHints), kNeverDue);
    EXPECT_EQ(msUntilDrawingChanges(resting(Normal, 50000, 0), {0, 0}, noHints), kNeverDue);
}

TEST(DrawingDue, TheHintIsDueAfterTenIdleSecondsOnlyWhereItWouldShow) {
    RenderOptions options;
    EXPECT_EQ(msUntilDrawingChanges(resting(Easy, 0, 4000), {1, 1}, options), 6001u);
    EXPECT_EQ(msUntilDrawingChanges(resting(Easy, 0, 10001), {1, 1}, options), kNeverDue);
    EXPECT_EQ(msUntilDrawingChanges(resting(Expert, 0, 4000), {0, 0}, options), kNeverDue);
    EngineState selected = resting(Easy, 0, 4000);
    selected.selection = {2, 2};
    EXPECT_EQ(msUntilDrawingChanges(selected, {1, 1}, options), kNeverDue);
    selected.stylusHeld = true; // the selection frame hides while the stylus is down
    EXPECT_EQ(msUntilDrawingChanges(selected, {1, 1}, options), 6001u);
    options.hintsOn = false;
    EXPECT_EQ(msUntilDrawingChanges(selected, {1, 1}, options), kNeverDue);
}

} // namespace
