// The drawing surface, judged by its pixels.
#include "platform/bitmap.h"
#include "platform/surface.h"

#include <array>
#include <gtest/gtest.h>

namespace {

constexpr Colour red = rgbColour(255, 0, 0);
constexpr Colour blue = rgbColour(0, 0, 250);
constexpr Colour halo = rgbColour(250, 250, 250);

// A 2 by 2 source: red, white on top; blue, halo grey below.
Bitmap quarters() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(255, 255, 255));
    image.setPixel(0, 1, qRgb(0, 0, 250));
    image.setPixel(1, 1, qRgb(250, 250, 250));
    return *Bitmap::fromImage(image);
}

int countColour(const Surface& surface, Colour colour, const PixelRect& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += surface.pixel(x, y) == colour;
    return count;
}

} // namespace

TEST(SurfaceColours, AreStoredRedGreenBlueFromTheLowByte) {
    EXPECT_EQ(rgbColour(0x12, 0x34, 0x56), 0x563412u);
    Surface surface(1, 1);
    surface.fillRect({0, 0, 1, 1}, rgbColour(0x12, 0x34, 0x56));
    EXPECT_EQ(surface.pixel(0, 0), 0x563412u);
}

TEST(SurfaceFill, CoversLeftAndTopEdgesButNotRightAndBottom) {
    Surface surface(10, 10);
    EXPECT_EQ(surface.pixel(0, 0), whiteColour);
    surface.fillRect({2, 3, 5, 7}, red);
    EXPECT_EQ(countColour(surface, red, {0, 0, 10, 10}), 3 * 4);
    EXPECT_EQ(surface.pixel(2, 3), red);
    EXPECT_EQ(surface.pixel(4, 6), red);
    EXPECT_EQ(surface.pixel(5, 6), whiteColour);
    EXPECT_EQ(surface.pixel(4, 7), whiteColour);
}

TEST(SurfaceFill, IsClippedToTheSurfaceAndIgnoresEmptyRectangles) {
    Surface surface(4, 4);
    surface.fillRect({-5, -5, 2, 100}, red);
    surface.fillRect({3, 3, 1, 1}, blue);
    EXPECT_EQ(countColour(surface, red, {0, 0, 4, 4}), 2 * 4);
    EXPECT_EQ(countColour(surface, blue, {0, 0, 4, 4}), 0);
}

TEST(SurfacePolyline, AClosedOutlineIsOnePixelOfBlackOnEveryEdge) {
    Surface surface(12, 12);
    const std::array<PixelPoint, 5> outline{{{3, 9}, {10, 9}, {10, 2}, {3, 2}, {3, 9}}};
    surface.polyline(outline);
    const int perimeter = 2 * 7 + 2 * 7;
    EXPECT_EQ(countColour(surface, blackColour, {0, 0, 12, 12}), perimeter);
    for (int x = 3; x <= 10; ++x) {
        EXPECT_EQ(surface.pixel(x, 9), blackColour);
        EXPECT_EQ(surface.pixel(x, 2), blackColour);
    }
    EXPECT_EQ(surface.pixel(6, 5), whiteColour);
}

TEST(SurfacePolyline, LeavesOutTheLastPointOfAnOpenLine) {
    Surface surface(8, 8);
    const std::array<PixelPoint, 2> line{{{1, 1}, {5, 1}}};
    surface.polyline(line);
    EXPECT_EQ(countColour(surface, blackColour, {0, 0, 8, 8}), 4);
    EXPECT_EQ(surface.pixel(5, 1), whiteColour);
}

TEST(SurfaceStretchCopy, AtScaleOneCopiesEveryPixelIncludingWhite) {
    Surface surface(4, 4);
    surface.fillRect({0, 0, 4, 4}, blackColour);
    surface.stretchCopy(quarters(), {1, 1, 3, 3});
    EXPECT_EQ(surface.pixel(1, 1), red);
    EXPECT_EQ(surface.pixel(2, 1), whiteColour);
    EXPECT_EQ(surface.pixel(1, 2), blue);
    EXPECT_EQ(surface.pixel(2, 2), halo);
    EXPECT_EQ(surface.pixel(3, 3), blackColour);
}

TEST(SurfaceStretchCopy, AtScaleTwoEverySourcePixelBecomesACrispSquare) {
    Surface surface(6, 6);
    surface.fillRect({0, 0, 6, 6}, blackColour);
    surface.stretchCopy(quarters(), {1, 1, 5, 5});
    EXPECT_EQ(countColour(surface, red, {1, 1, 3, 3}), 4);
    EXPECT_EQ(countColour(surface, whiteColour, {3, 1, 5, 3}), 4);
    EXPECT_EQ(countColour(surface, blue, {1, 3, 3, 5}), 4);
    EXPECT_EQ(countColour(surface, halo, {3, 3, 5, 5}), 4);
    EXPECT_EQ(countColour(surface, blackColour, {0, 0, 6, 6}), 36 - 16);
}

TEST(SurfaceStretchCopy, WithWhiteTransparentTheTargetShowsOnlyThroughPureWhite) {
    for (int scale : {1, 2}) {
        Surface surface(2 * scale, 2 * scale);
        surface.fillRect({0, 0, 2 * scale, 2 * scale}, blackColour);
        surface.stretchCopy(quarters(), {0, 0, 2 * scale, 2 * scale}, true);
        const PixelRect whiteQuarter{scale, 0, 2 * scale, scale};
        EXPECT_EQ(countColour(surface, blackColour, whiteQuarter), scale * scale) << scale;
        EXPECT_EQ(countColour(surface, red, {0, 0, scale, scale}), scale * scale) << scale;
        // Almost-white is a colour like any other: the pop-up halo relies on it.
        EXPECT_EQ(countColour(surface, halo, {scale, scale, 2 * scale, 2 * scale}), scale * scale)
            << scale;
    }
}

TEST(SurfaceStretchCopy, FromAnotherSurfaceAndPartlyOffTheEdge) {
    Surface layer(2, 2);
    layer.fillRect({0, 0, 1, 2}, red);
    Surface target(3, 3);
    target.fillRect({0, 0, 3, 3}, blue);
    target.stretchCopy(*Bitmap::fromImage(layer.image()), {-1, 1, 3, 5}, true);
    EXPECT_EQ(target.pixel(0, 1), red);
    EXPECT_EQ(target.pixel(0, 2), red);
    EXPECT_EQ(target.pixel(1, 2), blue);
    EXPECT_EQ(target.pixel(0, 0), blue);
}

TEST(SurfaceText, LandsInsideItsRectangleInItsColour) {
    Surface surface(120, 40);
    const PixelRect box{10, 10, 110, 30};
    surface.drawText(box, u"Score: 120", TextAlign::Centre | TextAlign::Bottom, blue);
    const int inside = countColour(surface, blue, box);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(countColour(surface, blue, {0, 0, 120, 40}), inside);
    // Nothing but the text colour and the untouched white: no smoothing greys.
    EXPECT_EQ(countColour(surface, whiteColour, box) + inside, box.width() * box.height());
}

TEST(SurfaceText, AlignsLeftCentreAndRight) {
    const auto inkSpan = [](unsigned align) {
        Surface surface(200, 20);
        surface.drawText({0, 0, 200, 20}, u"-50", align, blackColour);
        int first = 200, last = -1;
        for (int x = 0; x < 200; ++x)
            if (countColour(surface, blackColour, {x, 0, x + 1, 20}) > 0) {
                first = std::min(first, x);
                last = x;
            }
        return std::pair{first, last};
    };
    const auto [leftFirst, leftLast] = inkSpan(TextAlign::Left);
    const auto [centreFirst, centreLast] = inkSpan(TextAlign::Centre);
    const auto [rightFirst, rightLast] = inkSpan(TextAlign::Right);
    EXPECT_LT(leftFirst, 3);
    EXPECT_GT(rightLast, 196);
    EXPECT_NEAR((centreFirst + centreLast) / 2.0, 100, 3);
    EXPECT_LT(leftLast, centreFirst);
    EXPECT_LT(centreLast, rightFirst);
}

TEST(SurfaceText, IsCutAtItsRectangleAndSitsOnItsBottomEdgeWhenAsked) {
    Surface surface(60, 40);
    const PixelRect box{0, 0, 12, 30};
    surface.drawText(box, u"88888888", TextAlign::Left | TextAlign::Bottom, red);
    EXPECT_EQ(countColour(surface, red, {12, 0, 60, 40}), 0);
    EXPECT_EQ(countColour(surface, red, {0, 0, 12, 15}), 0);
    EXPECT_GT(countColour(surface, red, {0, 15, 12, 30}), 0);
}

TEST(SurfaceSize, ASurfaceTooLargeToMakeIsNotValidAndDrawsNothing) {
    Surface surface(1 << 20, 1 << 20);
    EXPECT_FALSE(surface.valid());
    surface.fillRect({0, 0, 10, 10}, red);
    surface.drawText({0, 0, 10, 10}, u"x", 0, red);
    EXPECT_TRUE(Surface(240, 294).valid());
}

TEST(StretchedBitmaps, DrawAsTheSameImageStretchedPixelByPixelAtAnySizeAndClipping) {
    // A 28 by 28 piece with white runs, drawn from its kept stretched copy; sizes change between
    // draws, so the kept copy is made anew. Each pixel takes the source pixel nearest below.
    QImage image(28, 28, QImage::Format_RGB32);
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 28; ++x)
            image.setPixel(x, y,
                           (x * y + x) % 3 == 0 ? qRgb(255, 255, 255) : qRgb(x * 9, y * 9, 77));
    const Bitmap bitmap = *Bitmap::fromImage(image);
    const PixelRect places[] = {{5, 11, 33, 39},
                                {-20, -7, 64, 77},
                                {100, 200, 161, 245},
                                {230, 280, 314, 364},
                                {40, 40, 41, 41}};
    for (const bool transparent : {false, true}) {
        for (const PixelRect& place : places) {
            SCOPED_TRACE(place.left);
            Surface kept(240, 294);
            kept.fillRect({0, 0, 240, 294}, halo);
            kept.stretchCopy(bitmap, place, transparent);
            int wrong = 0;
            for (int y = 0; y < 294; ++y) {
                for (int x = 0; x < 240; ++x) {
                    QRgb expected = qRgb(250, 250, 250);
                    if (x >= place.left && x < place.right && y >= place.top && y < place.bottom) {
                        const QRgb source = image.pixel((x - place.left) * 28 / place.width(),
                                                        (y - place.top) * 28 / place.height());
                        if (!transparent || (source & 0xFFFFFF) != 0xFFFFFF)
                            expected = source;
                    }
                    wrong += kept.image().pixel(x, y) != expected;
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(SurfaceCompose, GivesWhatFillingAndDrawingInTurnGiveAndRewritesNothingTheSame) {
    const Bitmap piece = quarters();
    const PixelRect area{5, 5, 35, 35};
    const std::vector<Surface::Layer> layers{{&piece, {0, 0, 20, 20}, false},
                                             {&piece, {10, 10, 50, 50}, true},
                                             {nullptr, {8, 30, 30, 33}, false, blue}};
    Surface drawn(40, 40);
    drawn.fillRect(area, red);
    drawn.stretchCopy(piece, {0, 0, 20, 20});
    drawn.stretchCopy(piece, {10, 10, 50, 50}, true);
    drawn.fillRect({8, 30, 30, 33}, blue);
    Surface composed(40, 40);
    composed.compose(area, red, layers);
    int wrong = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 35 && y >= 5 && y < 35;
            wrong += composed.pixel(x, y) != (inside ? drawn.pixel(x, y) : whiteColour);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(composed.takeChangedAreas(), std::vector<PixelRect>{area});
    composed.compose(area, red, layers);
    EXPECT_TRUE(composed.takeChangedAreas().empty());
}
