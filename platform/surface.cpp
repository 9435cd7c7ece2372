// Drawing on an RGB32 image by hand where exact pixels matter, through QPainter for text.
#include "platform/surface.h"

#include "platform/bitmap.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int maxSide = 16384;
constexpr QRgb pureWhite = 0xFFFFFF;

QRgb qtColour(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

PixelRect clipped(const PixelRect& rect, int width, int height) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width),
            std::min(rect.bottom, height)};
}

Qt::Alignment qtAlignment(unsigned align) {
    Qt::Alignment result = Qt::AlignLeft;
    if (align & TextAlign::Right)
        result = Qt::AlignRight;
    else if (align & TextAlign::Centre)
        result = Qt::AlignHCenter;
    if (align & TextAlign::Bottom)
        return result | Qt::AlignBottom;
    if (align & TextAlign::VCentre)
        return result | Qt::AlignVCenter;
    return result | Qt::AlignTop;
}

} // namespace

Surface::Surface(int width, int height) {
    if (width > 0 && height > 0 && width <= maxSide && height <= maxSide)
        image_ = QImage(width, height, QImage::Format_RGB32);
    if (!image_.isNull())
        image_.fill(qtColour(whiteColour));
    font_.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font_.setStyleStrategy(QFont::NoAntialias);
    font_.setPixelSize(11);
}

void Surface::fillRect(const PixelRect& rect, Colour colour) {
    const PixelRect area = clipped(rect, width(), height());
    const QRgb value = qtColour(colour);
    for (int y = area.top; y < area.bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + area.left, row + std::max(area.left, area.right), value);
    }
}

void Surface::plot(int x, int y) {
    if (x >= 0 && y >= 0 && x < width() && y < height())
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = qtColour(blackColour);
}

// Bresenham from `from` up to, not including, `to`.
void Surface::line(PixelPoint from, PixelPoint to) {
    const std::int64_t dx = std::abs(std::int64_t(to.x) - from.x);
    const std::int64_t dy = -std::abs(std::int64_t(to.y) - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    std::int64_t error = dx + dy;
    int x = from.x;
    int y = from.y;
    while (x != to.x || y != to.y) {
        plot(x, y);
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void Surface::polyline(std::span<const PixelPoint> points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1], points[i]);
}

void Surface::copyImage(const QImage& source, const PixelRect& dest, bool whiteTransparent) {
    if (source.isNull() || dest.empty() || !valid())
        return;
    const PixelRect area = clipped(dest, width(), height());
    const std::int64_t sourceWidth = source.width();
    const std::int64_t sourceHeight = source.height();
    for (int y = area.top; y < area.bottom; ++y) {
        const int sourceY = int((y - std::int64_t(dest.top)) * sourceHeight / dest.height());
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sourceY));
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = area.left; x < area.right; ++x) {
            const QRgb value = from[(x - std::int64_t(dest.left)) * sourceWidth / dest.width()];
            if (!whiteTransparent || (value & pureWhite) != pureWhite)
                to[x] = value | 0xFF000000u;
        }
    }
}

void Surface::stretchCopy(const Bitmap& source, const PixelRect& dest) {
    copyImage(source.image(), dest, false);
}

void Surface::stretchCopy(const Surface& source, const PixelRect& dest) {
    copyImage(source.image(), dest, false);
}

void Surface::stretchCopyWhiteTransparent(const Bitmap& source, const PixelRect& dest) {
    copyImage(source.image(), dest, true);
}

void Surface::stretchCopyWhiteTransparent(const Surface& source, const PixelRect& dest) {
    copyImage(source.image(), dest, true);
}

void Surface::drawText(const PixelRect& rect, std::u16string_view text, unsigned align,
                       Colour colour) {
    if (rect.empty() || text.empty() || !valid())
        return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(QColor(qtColour(colour)));
    const QRect box(rect.left, rect.top, rect.width(), rect.height());
    painter.setClipRect(box);
    const QString line = QString::fromUtf16(text.data(), qsizetype(text.size()));
    painter.drawText(box, int(qtAlignment(align) | Qt::TextSingleLine), line);
}

void Surface::setFontPixelSize(int pixels) {
    font_.setPixelSize(std::clamp(pixels, 1, 512));
}

Colour Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return blackColour;
    const QRgb value = image_.pixel(x, y);
    return rgbColour(std::uint8_t(qRed(value)), std::uint8_t(qGreen(value)),
                     std::uint8_t(qBlue(value)));
}
