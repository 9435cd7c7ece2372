// What the board, the status line, the time bar and the effects put on the back buffer.
#include "game/render/popup_pictures.h"
#include "game/render/renderer.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour kGrey = rgbColour(200, 200, 200);
constexpr Colour kRed = rgbColour(220, 30, 30);

// A piece: a red square on a white ground, so the ground's transparency can be seen.
Bitmap redPiece() {
    QImage image(28, 28, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 8; y < 20; ++y) {
        for (int x = 8; x < 20; ++x) {
            image.setPixel(x, y, qRgb(220, 30, 30));
        }
    }
    return *Bitmap::fromImage(image);
}

class Drawing : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto& piece : art.pieces) {
            piece = redPiece();
        }
        for (Cell& cell : state.board) {
            cell.flags = Dirty;
        }
        state.demoMode = false;
        state.level = Normal;
        state.timeLeftMs = kMaxTimeMs;
    }
    Surface paint(int scale = 1) {
        Renderer renderer;
        renderer.draw({240 * scale, 294 * scale}, state, art, options);
        return *renderer.picture();
    }

    EngineState state;
    PieceArt art;
    RenderOptions options;
};

} // namespace

TEST_F(Drawing, TransparencyShowsTheBackgroundColourAroundPieces) {
    Surface on = paint();
    EXPECT_EQ(on.pixel(5, 11), kGrey); // the piece's white ground
    EXPECT_EQ(on.pixel(4, 10), kGrey); // the cell square's edge
    EXPECT_EQ(on.pixel(5 + 10, 11 + 10), kRed);
    options.transparencyOn = false;
    Surface off = paint();
    EXPECT_EQ(off.pixel(5, 11), whiteColour);
    EXPECT_EQ(off.pixel(4, 10), whiteColour);
    EXPECT_EQ(off.pixel(5 + 10, 11 + 10), kRed);
}

TEST_F(Drawing, TheStripIsWhiteAndTheOutlineBlack) {
    state.cell(0, 0).offsetY = -20; // a piece entering from above
    state.cell(0, 0).state = SlideDown;
    Renderer renderer;
    renderer.draw({240, 294}, state, art, options);
    const Surface& target = *renderer.picture();
    EXPECT_EQ(target.pixel(20, 5), kRed); // its lower part shows in the strip
    state.cell(0, 0).offsetY = 0;
    renderer.draw({240, 294}, state, art, options);
    EXPECT_EQ(target.pixel(20, 5), whiteColour); // and the strip is white again
    EXPECT_EQ(target.pixel(100, 9), blackColour);
    EXPECT_EQ(target.pixel(3, 100), blackColour);
    EXPECT_EQ(target.pixel(237, 200), blackColour);
}

TEST_F(Drawing, ASlidingPieceShowsAcrossTheSquaresItCrossesAndOverItsNeighbour) {
    for (Cell& cell : state.board) {
        cell.state = Empty;
    }
    state.cell(2, 2) = {-20, 0, 0, SlideLeft, Dirty}; // halfway into the square of (1, 2)
    state.cell(1, 2) = {20, 0, 0, SlideRight, Dirty}; // and its neighbour the other way
    const Surface target = paint();
    EXPECT_EQ(target.pixel(5 + 58 - 20 + 10, 11 + 58 + 10), kRed); // in the square of (1, 2)
    EXPECT_EQ(target.pixel(5 + 29 + 20 + 10, 11 + 58 + 10), kRed); // in the square of (2, 2)
    EXPECT_EQ(target.pixel(5 + 29 + 5, 11 + 58 + 10), kGrey);
}

TEST_F(Drawing, TheTimeBarShowsTheTimeLeft) {
    EXPECT_EQ(timeBarRight(105000), 229);
    EXPECT_EQ(timeBarRight(478), 11);
    EXPECT_EQ(timeBarRight(477), 10);
    Surface full = paint();
    EXPECT_EQ(full.pixel(11, 262), whiteColour);
    EXPECT_EQ(full.pixel(228, 262), whiteColour);
    EXPECT_EQ(full.pixel(229, 262), blackColour);
    state.timeLeftMs = 477;
    EXPECT_EQ(paint().pixel(11, 262), blackColour);
    state.level = Easy;
    EXPECT_EQ(paint().pixel(100, 262), whiteColour); // nothing drawn at all
}

TEST_F(Drawing, EveryElementDoublesAtScaleTwo) {
    Surface target = paint(2);
    EXPECT_EQ(target.pixel(2 * 15 + 1, 2 * 21 + 1), kRed);
    EXPECT_EQ(target.pixel(2 * 100, 2 * 9), blackColour);
    EXPECT_EQ(target.pixel(2 * 228 + 1, 2 * 262), whiteColour);
    EXPECT_EQ(target.pixel(2 * 229 + 1, 2 * 262), blackColour);
}

namespace {
// Whether any pixel of the rectangle has the colour.
bool shows(const Surface& target, PixelRect rect, Colour colour) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (target.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

TEST_F(Drawing, TheStatusLineShowsTheTurnScoreInBlueOnlyWhenAsked) {
    const PixelRect rightHalf{120, 245, 230, 259};
    const Colour blue = rgbColour(0, 0, 250);
    state.score = 120;
    state.turnScore = 45;
    state.turnScoreVisible = true;
    EXPECT_TRUE(shows(paint(), rightHalf, blue));
    options.showTurnScore = false;
    EXPECT_FALSE(shows(paint(), rightHalf, blue));
    state.demoMode = true;
    options.showTurnScore = true;
    EXPECT_FALSE(shows(paint(), rightHalf, blue));
    EXPECT_TRUE(shows(paint(), {10, 245, 230, 259}, blackColour));
}

TEST_F(Drawing, PopupsAndSparklesShowOnlyWithTransparency) {
    EXPECT_EQ(popupText(-50), u"-50");
    EXPECT_EQ(popupText(150), u"150");
    state.popups.push_back({3, 3, 150, 1000});
    const PixelRect cell{5 + 87, 11 + 87, 5 + 87 + 28, 11 + 87 + 28};
    EXPECT_TRUE(shows(paint(), cell, blackColour));
    options.transparencyOn = false;
    EXPECT_FALSE(shows(paint(), cell, blackColour));
}

TEST_F(Drawing, TheHintShowsAfterTenIdleSecondsButNeverOnExpert) {
    QImage frame(30, 30, QImage::Format_RGB32);
    frame.fill(Qt::blue);
    art.hintMarker = Bitmap::fromImage(frame);
    state.hintMove = {2, 2, 3, 2};
    state.idleMs = 10001;
    const Colour blue = rgbColour(0, 0, 255);
    EXPECT_EQ(paint().pixel(4 + 58, 10 + 58), blue);
    state.level = Expert;
    EXPECT_NE(paint().pixel(4 + 58, 10 + 58), blue);
    state.level = Normal;
    state.idleMs = 10000;
    EXPECT_NE(paint().pixel(4 + 58, 10 + 58), blue);
}

TEST_F(Drawing, AFiveCharacterPopupFitsItsCellWithNothingCutOff) {
    for (const std::int32_t points : {12345, -1234, 150}) {
        SCOPED_TRACE(points);
        state.popups = {{3, 3, points, 1000}};
        const Surface frame = paint();
        // The ink keeps off the cell's outer columns, where a number too wide is cut.
        int leftmost = 28;
        int rightmost = -1;
        for (int y = 11 + 87; y < 11 + 87 + 28; ++y) {
            for (int x = 0; x < 28; ++x) {
                if (frame.pixel(5 + 87 + x, y) == blackColour) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                }
            }
        }
        ASSERT_GE(rightmost, 0);
        EXPECT_GE(leftmost, 1);
        EXPECT_LE(rightmost, 26);
        if (points == 150) {
            EXPECT_GT(rightmost - leftmost, 10); // short numbers keep the full size
        }
    }
}

TEST_F(Drawing, TheKeyboardCursorShowsInBlackAndWhiteOnEveryBackground) {
    options.cursorColumn = 2;
    options.cursorRow = 3;
    const int left = 4 + 29 * 2;
    const int top = 10 + 29 * 3;
    for (const Colour background : {kGrey, rgbColour(0, 0, 128), whiteColour, rgbColour(255, 0, 0),
                                    rgbColour(0, 128, 0), rgbColour(0, 255, 255), blackColour}) {
        options.backgroundColor = background;
        for (const bool transparency : {true, false}) {
            options.transparencyOn = transparency;
            const Surface frame = paint();
            EXPECT_EQ(frame.pixel(left, top), blackColour);
            EXPECT_EQ(frame.pixel(left + 1, top + 1), whiteColour);
            EXPECT_EQ(frame.pixel(left + 29, top + 29), blackColour);
            EXPECT_EQ(frame.pixel(left + 15, top), blackColour);
            EXPECT_EQ(frame.pixel(left + 15, top + 28), whiteColour);
        }
    }
    options.cursorColumn = -1;
    EXPECT_NE(paint().pixel(left, top), blackColour);
}
