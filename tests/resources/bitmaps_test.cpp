// The built-in bitmaps: sizes, colour depth, white ground and pictures the renderer relies on.
#include "resources/resource_bytes.h"

#include <QColor>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

const std::vector<int> pieceIds = {121, 116, 117, 118, 119, 120, 115};
const std::vector<int> sparkleIds = {114, 113, 112};

QImage bitmap(int id) {
    QImage image;
    image.loadFromData(resourceBytes(bitmapResourcePath(id)), "BMP");
    return image;
}

bool isWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

int countNonWhite(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += !isWhite(image, x, y);
    return count;
}

QColor averageColour(const QImage& image) {
    long red = 0, green = 0, blue = 0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (isWhite(image, x, y))
                continue;
            const QRgb p = image.pixel(x, y);
            red += qRed(p), green += qGreen(p), blue += qBlue(p), ++count;
        }
    return count ? QColor(red / count, green / count, blue / count) : QColor();
}

} // namespace

TEST(BuiltInBitmaps, AreTwentyFourBitFilesOfTheirSize) {
    std::vector<std::pair<int, int>> expected = {{107, 30}, {122, 30}};
    for (int id : pieceIds)
        expected.emplace_back(id, 28);
    for (int id : sparkleIds)
        expected.emplace_back(id, 28);
    for (auto [id, size] : expected) {
        const QByteArray bytes = resourceBytes(bitmapResourcePath(id));
        ASSERT_GT(bytes.size(), 54) << id;
        EXPECT_EQ(bytes.left(2), "BM") << id;
        EXPECT_EQ(littleEndian(bytes, 28, 2), 24u) << id;
        EXPECT_EQ(littleEndian(bytes, 30, 4), 0u) << id; // uncompressed
        const QImage image = bitmap(id);
        EXPECT_EQ(image.size(), QSize(size, size)) << id;
    }
}

TEST(BuiltInBitmaps, PiecesAreSolidFacesOnWhiteGround) {
    for (int id : pieceIds) {
        const QImage face = bitmap(id);
        ASSERT_FALSE(face.isNull()) << id;
        for (auto [x, y] : {std::pair{0, 0}, {27, 0}, {0, 27}, {27, 27}})
            EXPECT_TRUE(isWhite(face, x, y)) << id;
        // No pure white inside the face: it would turn into a hole with transparency on.
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 28; ++x)
                if (std::hypot(x + 0.5 - 14, y + 0.5 - 14) <= 12.5) {
                    EXPECT_FALSE(isWhite(face, x, y)) << id << " at " << x << "," << y;
                }
    }
}

TEST(BuiltInBitmaps, PiecesEdgeIsDarkAgainstEveryBackground) {
    for (int id : pieceIds) {
        const QImage face = bitmap(id);
        // The leftmost face pixel of the middle row is outline.
        int x = 0;
        while (x < 28 && isWhite(face, x, 14))
            ++x;
        ASSERT_LT(x, 28) << id;
        EXPECT_LT(qGray(face.pixel(x, 14)), 80) << id;
    }
}

TEST(BuiltInBitmaps, SevenPiecesHaveSevenDistinctColours) {
    std::vector<QColor> colours;
    for (int id : pieceIds)
        colours.push_back(averageColour(bitmap(id)));
    for (std::size_t a = 0; a < colours.size(); ++a)
        for (std::size_t b = a + 1; b < colours.size(); ++b) {
            const int distance = std::abs(colours[a].hue() - colours[b].hue());
            EXPECT_GE(std::min(distance, 360 - distance), 12)
                << pieceIds[a] << " vs " << pieceIds[b];
        }
}

TEST(BuiltInBitmaps, FramesMarkOnlyTheCornersInTheirColour) {
    for (int id : {107, 122}) {
        const QImage frame = bitmap(id);
        ASSERT_FALSE(frame.isNull()) << id;
        EXPECT_TRUE(isWhite(frame, 15, 15)) << id; // the piece shows through
        EXPECT_TRUE(isWhite(frame, 15, 1)) << id;  // no line along the edges
        for (auto [x, y] : {std::pair{1, 1}, {28, 1}, {1, 28}, {28, 28}})
            EXPECT_FALSE(isWhite(frame, x, y)) << id;
    }
    const QColor selection = averageColour(bitmap(107));
    const QColor hint = averageColour(bitmap(122));
    EXPECT_GT(selection.red(), selection.blue()); // orange
    EXPECT_GT(hint.blue(), hint.red());           // blue
}

TEST(BuiltInBitmaps, SparklesShrinkStageByStage) {
    const int large = countNonWhite(bitmap(114));
    const int diagonal = countNonWhite(bitmap(113));
    const int small = countNonWhite(bitmap(112));
    EXPECT_GT(large, small);
    EXPECT_GT(diagonal, small);
    EXPECT_GT(small, 0);
    for (int id : sparkleIds)
        EXPECT_TRUE(isWhite(bitmap(id), 0, 0)) << id;
    // The large and small crosses stand upright, the diagonal one stands on its corners.
    EXPECT_FALSE(isWhite(bitmap(114), 14, 2));
    EXPECT_TRUE(isWhite(bitmap(113), 14, 2));
    EXPECT_FALSE(isWhite(bitmap(113), 5, 5));
}

TEST(ProgramIcon, LoadsAtEverySizeWithTransparentCorners) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage icon;
        icon.loadFromData(resourceBytes(QStringLiteral(":/icons/zorvagon-%1.png").arg(size)),
                          "PNG");
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    }
    QImage main;
    main.loadFromData(resourceBytes(programIconPath), "PNG");
    EXPECT_EQ(main.size(), QSize(256, 256));
}
