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
#include <limits>

namespace {

constexpr int maxSide = 16384;
constexpr QRgb pureWhite = 0xFFFFFF;

QRgb qtColour(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

PixelRect intersection(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

std::int64_t pixels(const PixelRect& area) {
    return area.empty() ? 0 : std::int64_t(area.width()) * area.height();
}

// What merging two areas costs: the pixels their union holds beyond the two.
std::int64_t mergeCost(const PixelRect& a, const PixelRect& b) {
    return pixels(unite(a, b)) - pixels(a) - pixels(b);
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

std::vector<PixelRect> mergedAreas(std::vector<PixelRect> given, std::size_t most) {
    // First each area joins one already taken that it overlaps or touches at no cost: a frame
    // draws dozens of areas, most of them over one another.
    std::vector<PixelRect> areas;
    for (const PixelRect& area : given) {
        if (area.empty()) {
            continue;
        }
        const auto into = std::find_if(areas.begin(), areas.end(), [&](const PixelRect& taken) {
            return mergeCost(taken, area) <= 0;
        });
        if (into == areas.end()) {
            areas.push_back(area);
        } else {
            *into = unite(*into, area);
        }
    }
    most = std::max<std::size_t>(most, 1);
    while (areas.size() > 1) {
        std::size_t bestA = 0;
        std::size_t bestB = 1;
        std::int64_t bestCost = std::numeric_limits<std::int64_t>::max();
        for (std::size_t a = 0; a < areas.size(); ++a) {
            for (std::size_t b = a + 1; b < areas.size(); ++b) {
                const std::int64_t cost = mergeCost(areas[a], areas[b]);
                if (cost < bestCost) {
                    bestCost = cost;
                    bestA = a;
                    bestB = b;
                }
            }
        }
        if (bestCost > 0 && areas.size() <= most) {
            break;
        }
        areas[bestA] = unite(areas[bestA], areas[bestB]);
        areas.erase(areas.begin() + std::ptrdiff_t(bestB));
    }
    return areas;
}

Surface::Surface(int width, int height) {
    if (width > 0 && height > 0 && width <= maxSide && height <= maxSide)
        image_ = QImage(width, height, QImage::Format_RGB32);
    if (!image_.isNull())
        image_.fill(qtColour(whiteColour));
    font_.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font_.setStyleStrategy(QFont::NoAntialias);
    font_.setPixelSize(11);
}

PixelRect Surface::clipped(const PixelRect& rect) const {
    return intersection(rect, {0, 0, width(), height()});
}

void Surface::noteChanged(const PixelRect& area) {
    if (area.empty()) {
        return;
    }
    // Drawing a piece follows the filling of its cell: most areas lie within the one before.
    if (!changed_.empty()) {
        PixelRect& last = changed_.back();
        if (unite(last, area) == last) {
            return;
        }
        if (unite(last, area) == area) {
            last = area;
            return;
        }
    }
    // A frame notes a few dozen areas; should nobody collect them, their count stays bounded.
    if (changed_.size() >= 1024) {
        PixelRect all = area;
        for (const PixelRect& noted : changed_) {
            all = unite(all, noted);
        }
        changed_.assign(1, all);
        return;
    }
    changed_.push_back(area);
}

std::vector<PixelRect> Surface::takeChangedAreas() {
    std::vector<PixelRect> areas;
    areas.swap(changed_);
    return mergedAreas(std::move(areas));
}

void Surface::fillRect(const PixelRect& rect, Colour colour) {
    const PixelRect area = clipped(rect);
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
    noteChanged(written);
}

void Surface::fillRowPart(QRgb* row, int y, int left, int right, const QRgb* filled,
                          PixelRect& written) {
    if (left >= right) {
        return;
    }
    row += left;
    const int count = right - left;
    // Short parts are compared pixel by pixel: cheaper than a call to memcmp, and the part that
    // already holds the colour is left out.
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

void Surface::compose(const PixelRect& rect, Colour ground, std::span<const Layer> layers) {
    const PixelRect area = clipped(rect);
    if (area.empty()) {
        return;
    }
    // The bitmaps stretched to their places, found once; a place larger than any window is not
    // kept stretched, and is left out.
    struct Placed {
        // Shared, so that a bitmap placed at two sizes keeps both stretched copies alive.
        std::shared_ptr<const ScaledImage> image;
        const Layer* layer;
    };
    std::vector<Placed> placed;
    placed.reserve(layers.size());
    for (const Layer& layer : layers) {
        if (stretchedWhole(layer.place) && !intersection(layer.place, area).empty()) {
            placed.push_back(
                {layer.bitmap ? layer.bitmap->scaledTo(layer.place.width(), layer.place.height())
                              : nullptr,
                 &layer});
        }
    }
    // The row is put together in `row`, starting from a copy of `groundRow`.
    static thread_local std::vector<QRgb> row;
    static thread_local std::vector<QRgb> groundRow;
    const std::size_t bytes = std::size_t(area.width()) * sizeof(QRgb);
    row.resize(std::size_t(area.width()));
    groundRow.assign(std::size_t(area.width()), qtColour(ground));
    QRgb* const put = row.data() - area.left; // indexed by surface column
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    PixelRect written;
    for (int y = area.top; y < area.bottom; ++y) {
        std::memcpy(row.data(), groundRow.data(), bytes);
        for (const Placed& one : placed) {
            const PixelRect& place = one.layer->place;
            if (y < place.top || y >= place.bottom) {
                continue;
            }
            const int left = std::max(place.left, area.left);
            const int right = std::min(place.right, area.right);
            if (!one.image) {
                std::fill(put + left, put + right, qtColour(one.layer->colour));
                continue;
            }
            const QRgb* from = one.image->row(y - place.top) - place.left;
            const auto copy = [&](int begin, int end) {
                begin = std::max(begin, left);
                end = std::min(end, right);
                if (begin < end) {
                    std::memcpy(put + begin, from + begin, std::size_t(end - begin) * sizeof(QRgb));
                }
            };
            if (!one.layer->whiteTransparent) {
                copy(left, right);
                continue;
            }
            for (const ScaledImage::Run& run : one.image->opaqueRuns(y - place.top)) {
                copy(place.left + run.begin, place.left + run.end);
            }
        }
        QRgb* target = reinterpret_cast<QRgb*>(bits + y * stride) + area.left;
        if (std::memcmp(target, row.data(), bytes) != 0) {
            std::memcpy(target, row.data(), bytes);
            written = unite(written, {area.left, y, area.right, y + 1});
        }
    }
    noteChanged(written);
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
    noteChanged(written.area);
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
    noteChanged(written.area);
}

void Surface::polyline(std::span<const PixelPoint> points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1], points[i]);
}

void Surface::copyImage(const QImage& source, const PixelRect& dest, bool whiteTransparent) {
    if (source.isNull() || dest.empty() || !valid())
        return;
    const PixelRect area = clipped(dest);
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
    noteChanged(written.area);
}

void Surface::copyScaled(const ScaledImage& source, const PixelRect& dest, bool whiteTransparent) {
    const PixelRect area = clipped(dest);
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
    noteChanged(written.area);
}

void Surface::stretchCopy(const Bitmap& source, const PixelRect& dest, bool whiteTransparent) {
    if (!stretchedWhole(dest)) {
        copyImage(source.image(), dest, whiteTransparent);
        return;
    }
    copyScaled(*source.scaledTo(dest.width(), dest.height()), dest, whiteTransparent);
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
    const PixelRect inside = clipped(rect);
    if (inside.empty())
        return;
    noteChanged(inside);
    painter.setClipRect(QRect(inside.left, inside.top, inside.width(), inside.height()));
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
