// A frame's changed areas merged into a few rectangles.
#include "platform/surface.h"

#include <gtest/gtest.h>

namespace {

bool covers(const std::vector<PixelRect>& merged, const PixelRect& area) {
    for (const PixelRect& into : merged) {
        if (into.left <= area.left && into.top <= area.top && into.right >= area.right &&
            into.bottom >= area.bottom) {
            return true;
        }
    }
    return false;
}

TEST(MergedAreas, OverlappingAndTouchingAreasBecomeOneAndFarOnesStayApart) {
    // A piece's square and the piece inside it; two cells side by side; a far time bar.
    const std::vector<PixelRect> areas{
        {12, 30, 102, 120}, {15, 33, 99, 117}, {99, 30, 189, 120}, {30, 780, 690, 795}, {}};
    const std::vector<PixelRect> merged = mergedAreas(areas);
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_EQ(merged[0], (PixelRect{12, 30, 189, 120}));
    EXPECT_EQ(merged[1], (PixelRect{30, 780, 690, 795}));
}

TEST(MergedAreas, ManyScatteredAreasBecomeAtMostTheGivenNumberCoveringAll) {
    std::vector<PixelRect> areas;
    for (int i = 0; i < 12; ++i) {
        const int x = (i * 7 % 8) * 90;
        const int y = (i * 3 % 8) * 90;
        areas.push_back({x, y, x + 30, y + 30});
    }
    const std::vector<PixelRect> merged = mergedAreas(areas, 4);
    EXPECT_LE(merged.size(), 4u);
    for (const PixelRect& area : areas) {
        EXPECT_TRUE(covers(merged, area));
    }
    EXPECT_TRUE(mergedAreas({}).empty());
}

} // namespace
