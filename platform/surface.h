// A drawing surface over an RGB32 image: the few drawing operations the game's renderer uses.
#pragma once

#include "platform/colour.h"

#include <QFont>
#include <QImage>
#include <span>
#include <string_view>

class Bitmap;

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

    // The colour at a pixel; black outside the surface.
    Colour pixel(int x, int y) const;
    const QImage& image() const { return image_; }

  private:
    void copyImage(const QImage& source, const PixelRect& dest, bool whiteTransparent);
    void plot(int x, int y);
    void line(PixelPoint from, PixelPoint to);

    QImage image_;
    QFont font_;
};
