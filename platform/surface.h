// A drawing surface over an RGB32 image: the few drawing operations the game's renderer uses.
#pragma once

#include "platform/colour.h"
#include "platform/kept_drawings.h"

#include <QFont>
#include <QImage>
#include <span>
#include <string_view>
#include <vector>

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

class Surface {
  public:
    // A white surface; one that cannot be made (too large, out of memory) is not valid().
    Surface(int width, int height);

    bool valid() const { return !image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void fillRect(const PixelRect& rect, Colour colour);
    // The same, but for the pixels that the bitmap, stretched onto `covering`, is about to cover
    // (all of them, or with white transparent its non-white ones): drawn right after, they need
    // no filling first, and a piece that stays where it was then changes no pixel at all.
    void fillRectAround(const PixelRect& rect, Colour colour, const Bitmap& cover,
                        const PixelRect& covering, bool whiteTransparent);
    // A connected one-pixel black line through the points; like the handheld's pen, the very
    // last point is not drawn, so a closed outline draws each corner once.
    void polyline(std::span<const PixelPoint> points);
    // Copies the whole source stretched onto dest, nearest pixel (pixel art stays crisp).
    void stretchCopy(const Bitmap& source, const PixelRect& dest);
    void stretchCopy(const Surface& source, const PixelRect& dest);
    // The same, leaving the target unchanged where the source is pure white.
    void stretchCopyWhiteTransparent(const Bitmap& source, const PixelRect& dest);
    void stretchCopyWhiteTransparent(const Surface& source, const PixelRect& dest);
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

    // Parts of the frame that need no drawing while nothing else drew over them.
    KeptDrawings& kept() { return kept_; }

    // While tracking, every drawing operation notes the rows where it changed pixels, so that
    // only those reach the screen.
    void setTracking(bool on);
    // The noted areas since the last call, clipped to the surface, in drawing order.
    std::vector<PixelRect> takeTouchedAreas();

  private:
    void touch(const PixelRect& area);
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
    bool tracking_ = false;
    std::vector<PixelRect> touched_;
    KeptDrawings kept_;
};
