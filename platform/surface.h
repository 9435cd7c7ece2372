// A drawing surface over an RGB32 image: its colours and pixel geometry, and the few drawing
// operations the game's renderer uses.
#pragma once

#include <QFont>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Red + 256 green + 65536 blue, as stored in the preferences file.
using Colour = std::uint32_t;

constexpr Colour rgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}
constexpr std::uint8_t redOf(Colour c) {
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t greenOf(Colour c) {
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(Colour c) {
    return std::uint8_t((c >> 16) & 0xFF);
}

constexpr Colour whiteColour = rgbColour(255, 255, 255);
constexpr Colour blackColour = rgbColour(0, 0, 0);

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Includes its left and top edges, excludes its right and bottom edges.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
inline PixelRect unite(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) {
        return b;
    }
    if (b.empty()) {
        return a;
    }
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Merges areas that overlap or lie so close that their union costs no more pixels than the two
// apart, then, while more than `most` remain, the pair whose union adds the fewest pixels. The
// result covers every given area.
std::vector<PixelRect> mergedAreas(std::vector<PixelRect> areas, std::size_t most = 4);

class Bitmap;
class ScaledImage;

// Text alignment flags; one horizontal and one vertical flag combine with |.
namespace TextAlign {
constexpr unsigned Left = 0;
constexpr unsigned Centre = 1;
constexpr unsigned Right = 2;
constexpr unsigned Top = 0;
constexpr unsigned VCentre = 4;
constexpr unsigned Bottom = 8;
} // namespace TextAlign

// Every drawing operation leaves alone the rows that already hold what it draws, and notes the
// areas where it changed pixels, so that only those need reaching the screen.
class Surface {
  public:
    // One layer of a composition: a bitmap stretched onto its place, pure white transparent or
    // not, or without a bitmap a rectangle of one colour.
    struct Layer {
        const Bitmap* bitmap = nullptr;
        PixelRect place;
        bool whiteTransparent = false;
        Colour colour = 0;
    };

    // A white surface; one that cannot be made (too large, out of memory) is not valid().
    Surface(int width, int height);

    bool valid() const { return !image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void fillRect(const PixelRect& rect, Colour colour);
    // Fills the area with the ground and draws the layers over it in order, each cut to the area:
    // each row is put together once and written only where it then differs, so a part drawn
    // again as it was changes no pixel at all.
    void compose(const PixelRect& area, Colour ground, std::span<const Layer> layers);
    // A connected one-pixel black line through the points; like the handheld's pen, the very
    // last point is not drawn, so a closed outline draws each corner once.
    void polyline(std::span<const PixelPoint> points);
    // Copies the whole source stretched onto dest, nearest pixel (pixel art stays crisp); with
    // white transparent, the target stays as it is where the source is pure white.
    void stretchCopy(const Bitmap& source, const PixelRect& dest, bool whiteTransparent = false);
    // One line of text inside rect (clipped to it) in the given colour; the background shows
    // through between the letters.
    void drawText(const PixelRect& rect, std::u16string_view text, unsigned align, Colour colour);
    // The pixel height of the text font (the default suits a 14-pixel status line).
    void setFontPixelSize(int pixels);
    // The width in pixels of one line of the text in the text font.
    int textWidth(std::u16string_view text) const;

    // The colour at a pixel; black outside the surface.
    Colour pixel(int x, int y) const;
    const QImage& image() const { return image_; }

    // The areas where drawing changed pixels since the last call, merged into a few.
    std::vector<PixelRect> takeChangedAreas();

  private:
    // The part of the rectangle on the surface.
    PixelRect clipped(const PixelRect& rect) const;
    void noteChanged(const PixelRect& area);
    // Fills [left, right) of row y where it differs from `filled` (a row of the colour).
    static void fillRowPart(QRgb* row, int y, int left, int right, const QRgb* filled,
                            PixelRect& written);
    void copyImage(const QImage& source, const PixelRect& dest, bool whiteTransparent);
    // A bitmap already stretched to dest's size: row copies, or runs between white pixels.
    void copyScaled(const ScaledImage& source, const PixelRect& dest, bool whiteTransparent);
    void line(PixelPoint from, PixelPoint to);
    // A horizontal or vertical line, without its end point.
    void straightLine(PixelPoint from, PixelPoint to);

    QImage image_;
    QFont font_;
    std::vector<PixelRect> changed_;
};
