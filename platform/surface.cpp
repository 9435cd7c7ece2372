// Drawing on an RGB32 image by hand where exact pixels matter, through QPainter for text.
#include "platform/surface.h"

#include "platform/bitmap.h"
#include "platform/scaled_image.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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

// Larger than any window: such a target is mostly clipped away, and not worth stretching whole.
bool stretchedWhole(const PixelRect& dest) {
    return !dest.empty() && std::int64_t(dest.width()) * dest.height() <= 16 * 1024 * 1024;
}

// A row of `width` pixels of the colour, for the fills to compare with and copy from.
const QRgb* rowOfColour(int width, QRgb value) {
    static thread_local std::vector<QRgb> row;
    row.assign(std::size_t(width), value);
    return row.data();
}

// The smallest rectangle around the pixels an operation actually altered.
struct WrittenArea {
    PixelRect area;
    void add(int left, int y, int right) { area = unite(area, {left, y, right, y + 1}); }
};

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

void Surface::setTracking(bool on) {
    tracking_ = on;
    touched_.clear();
}

void Surface::touch(const PixelRect& area) {
    const PixelRect inside = clipped(area, width(), height());
    if (inside.empty()) {
        return;
    }
    kept_.overwritten(inside);
    if (!tracking_) {
        return;
    }
    // Drawing a piece follows the filling of its cell: most areas lie within the one before.
    if (!touched_.empty()) {
        PixelRect& last = touched_.back();
        if (unite(last, inside) == last) {
            return;
        }
        if (unite(last, inside) == inside) {
            last = inside;
            return;
        }
    }
    // A frame notes a few dozen areas; should nobody collect them, their count stays bounded.
    if (touched_.size() >= 1024) {
        PixelRect all = inside;
        for (const PixelRect& noted : touched_) {
            all = unite(all, noted);
        }
        touched_.assign(1, all);
        return;
    }
    touched_.push_back(inside);
}

std::vector<PixelRect> Surface::takeTouchedAreas() {
    std::vector<PixelRect> areas;
    areas.swap(touched_);
    return areas;
}

void Surface::fillRect(const PixelRect& rect, Colour colour) {
    const PixelRect area = clipped(rect, width(), height());
    if (area.empty()) {
        return;
    }
    // Rows that already hold the colour are left alone, so that they count as unchanged.
    const QRgb* filled = rowOfColour(area.width(), qtColour(colour));
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    PixelRect written;
    for (int y = area.top; y < area.bottom; ++y) {
        fillRowPart(reinterpret_cast<QRgb*>(bits + y * stride), y, area.left, area.right, filled,
                    written);
    }
    touch(written);
}

void Surface::fillRowPart(QRgb* row, int y, int left, int right, const QRgb* filled,
                          PixelRect& written) {
    if (left >= right) {
        return;
    }
    row += left;
    const int count = right - left;
    // The margins beside a piece are a few pixels wide: comparing them one by one costs less
    // than a call to memcmp, and the part that already holds the colour is left out.
    constexpr int kShortPart = 16;
    if (count <= kShortPart) {
        int first = 0;
        while (first < count && row[first] == filled[first]) {
            ++first;
        }
        if (first < count) {
            std::fill(row + first, row + count, filled[first]);
            written = unite(written, {left + first, y, right, y + 1});
        }
        return;
    }
    const std::size_t bytes = std::size_t(count) * sizeof(QRgb);
    if (std::memcmp(row, filled, bytes) != 0) {
        std::memcpy(row, filled, bytes);
        written = unite(written, {left, y, right, y + 1});
    }
}

void Surface::fillRectAround(const PixelRect& rect, Colour colour, const Bitmap& cover,
                             const PixelRect& covering, bool whiteTransparent) {
    const PixelRect area = clipped(rect, width(), height());
    if (area.empty()) {
        return;
    }
    if (!stretchedWhole(covering)) {
        fillRect(rect, colour);
        return;
    }
    const ScaledImage& image = cover.scaledTo(covering.width(), covering.height());
    const QRgb* filled = rowOfColour(area.width(), qtColour(colour));
    PixelRect written;
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const auto fill = [&](int y, int left, int right) {
        left = std::clamp(left, area.left, area.right);
        right = std::clamp(right, left, area.right);
        fillRowPart(reinterpret_cast<QRgb*>(bits + y * stride), y, left, right,
                    filled + (left - area.left), written);
    };
    const ScaledImage::Run whole{0, covering.width()};
    for (int y = area.top; y < area.bottom; ++y) {
        if (y < covering.top || y >= covering.bottom) {
            fill(y, area.left, area.right);
            continue;
        }
        const std::span<const ScaledImage::Run> runs =
            whiteTransparent ? image.opaqueRuns(y - covering.top)
                             : std::span<const ScaledImage::Run>(&whole, 1);
        int from = area.left;
        for (const ScaledImage::Run& run : runs) {
            fill(y, from, covering.left + run.begin);
            from = std::max(from, covering.left + run.end);
        }
        fill(y, from, area.right);
    }
    touch(written);
}

void Surface::straightLine(PixelPoint from, PixelPoint to) {
    const bool across = from.y == to.y;
    // The pixels from `from` towards `to`, which is left out, as a range along the line.
    int first = across ? from.x : from.y;
    int last = across ? to.x : to.y;
    last += first < last ? -1 : 1;
    if (first > last) {
        std::swap(first, last);
    }
    const int fixed = across ? from.y : from.x;
    if (fixed < 0 || fixed >= (across ? height() : width())) {
        return;
    }
    first = std::max(first, 0);
    last = std::min(last, (across ? width() : height()) - 1);
    if (first > last) {
        return;
    }
    const QRgb black = qtColour(blackColour);
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    const qsizetype step = across ? 1 : stride;
    QRgb* const start = reinterpret_cast<QRgb*>(image_.bits()) +
                        (across ? fixed * stride + first : first * stride + fixed);
    int changedFirst = -1;
    int changedLast = -1;
    QRgb* pixel = start;
    for (int i = first; i <= last; ++i, pixel += step) {
        if (*pixel != black) {
            *pixel = black;
            changedLast = i;
            if (changedFirst < 0) {
                changedFirst = i;
            }
        }
    }
    WrittenArea written;
    if (changedFirst >= 0) {
        written.area = across ? PixelRect{changedFirst, fixed, changedLast + 1, fixed + 1}
                              : PixelRect{fixed, changedFirst, fixed + 1, changedLast + 1};
    }
    touch(written.area);
}

// Bresenham from `from` up to, not including, `to`.
void Surface::line(PixelPoint from, PixelPoint to) {
    if (from.x == to.x && from.y == to.y) {
        return;
    }
    if (from.x == to.x || from.y == to.y) {
        straightLine(from, to);
        return;
    }
    const std::int64_t dx = std::abs(std::int64_t(to.x) - from.x);
    const std::int64_t dy = -std::abs(std::int64_t(to.y) - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    const QRgb black = qtColour(blackColour);
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    std::int64_t error = dx + dy;
    WrittenArea written;
    int x = from.x;
    int y = from.y;
    while (x != to.x || y != to.y) {
        if (x >= 0 && y >= 0 && x < width() && y < height()) {
            QRgb& pixel = reinterpret_cast<QRgb*>(bits + y * stride)[x];
            if (pixel != black) {
                pixel = black;
                written.add(x, y, x + 1);
            }
        }
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
    touch(written.area);
}

void Surface::polyline(std::span<const PixelPoint> points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1], points[i]);
}

void Surface::copyImage(const QImage& source, const PixelRect& dest, bool whiteTransparent) {
    if (source.isNull() || dest.empty() || !valid())
        return;
    const PixelRect area = clipped(dest, width(), height());
    if (area.empty())
        return;
    const std::int64_t sourceWidth = source.width();
    const std::int64_t sourceHeight = source.height();
    // The source column of each target column, worked out once for all rows.
    std::vector<int> sourceX(std::size_t(area.width()));
    for (int x = area.left; x < area.right; ++x)
        sourceX[std::size_t(x - area.left)] =
            int((x - std::int64_t(dest.left)) * sourceWidth / dest.width());
    WrittenArea written;
    for (int y = area.top; y < area.bottom; ++y) {
        const int sourceY = int((y - std::int64_t(dest.top)) * sourceHeight / dest.height());
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sourceY));
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
        int first = area.right;
        int last = area.left - 1;
        for (int x = area.left; x < area.right; ++x) {
            const QRgb value = from[sourceX[std::size_t(x - area.left)]];
            if (whiteTransparent && (value & pureWhite) == pureWhite)
                continue;
            const QRgb opaque = value | 0xFF000000u;
            if (to[x] != opaque) {
                to[x] = opaque;
                first = std::min(first, x);
                last = x;
            }
        }
        if (first <= last)
            written.add(first, y, last + 1);
    }
    touch(written.area);
}

void Surface::copyScaled(const ScaledImage& source, const PixelRect& dest, bool whiteTransparent) {
    const PixelRect area = clipped(dest, width(), height());
    if (area.empty() || !valid() || source.width() != dest.width() ||
        source.height() != dest.height()) {
        return;
    }
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    WrittenArea written;
    for (int y = area.top; y < area.bottom; ++y) {
        const int sourceY = y - dest.top;
        const QRgb* from = source.row(sourceY);
        auto* to = reinterpret_cast<QRgb*>(bits + y * stride);
        // Copies target columns [begin, end) where they differ.
        const auto copy = [&](int begin, int end) {
            begin = std::max(begin, area.left);
            end = std::min(end, area.right);
            if (begin >= end) {
                return;
            }
            const QRgb* run = from + (begin - dest.left);
            const std::size_t bytes = std::size_t(end - begin) * sizeof(QRgb);
            if (std::memcmp(to + begin, run, bytes) != 0) {
                std::memcpy(to + begin, run, bytes);
                written.add(begin, y, end);
            }
        };
        if (!whiteTransparent) {
            copy(dest.left, dest.right);
            continue;
        }
        for (const ScaledImage::Run& run : source.opaqueRuns(sourceY)) {
            copy(dest.left + run.begin, dest.left + run.end);
        }
    }
    touch(written.area);
}

void Surface::stretchCopy(const Bitmap& source, const PixelRect& dest) {
    if (!stretchedWhole(dest)) {
        copyImage(source.image(), dest, false);
        return;
    }
    copyScaled(source.scaledTo(dest.width(), dest.height()), dest, false);
}

void Surface::stretchCopy(const Surface& source, const PixelRect& dest) {
    copyImage(source.image(), dest, false);
}

void Surface::stretchCopyWhiteTransparent(const Bitmap& source, const PixelRect& dest) {
    if (!stretchedWhole(dest)) {
        copyImage(source.image(), dest, true);
        return;
    }
    copyScaled(source.scaledTo(dest.width(), dest.height()), dest, true);
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
    touch(rect);
    painter.setClipRect(box);
    const QString line = QString::fromUtf16(text.data(), qsizetype(text.size()));
    painter.drawText(box, int(qtAlignment(align) | Qt::TextSingleLine), line);
}

void Surface::setFontPixelSize(int pixels) {
    font_.setPixelSize(std::clamp(pixels, 1, 512));
}

int Surface::textWidth(std::u16string_view text) const {
    const QFontMetrics metrics(font_);
    return metrics.horizontalAdvance(QString::fromUtf16(text.data(), qsizetype(text.size())));
}

Colour Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return blackColour;
    const QRgb value = image_.pixel(x, y);
    return rgbColour(std::uint8_t(qRed(value)), std::uint8_t(qGreen(value)),
                     std::uint8_t(qBlue(value)));
}
