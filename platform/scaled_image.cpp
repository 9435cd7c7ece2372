// A bitmap stretched once to a drawing size, with each row's runs of non-white pixels known.
#include "platform/scaled_image.h"

namespace {

constexpr QRgb pureWhite = 0xFFFFFF;

bool white(QRgb value) {
    return (value & pureWhite) == pureWhite;
}

} // namespace

ScaledImage::ScaledImage(const QImage& source, int width, int height)
    : width_(source.isNull() ? 0 : std::max(width, 0)),
      height_(source.isNull() ? 0 : std::max(height, 0)) {
    pixels_.resize(std::size_t(width_) * std::size_t(height_));
    rowRuns_.reserve(std::size_t(height_) + 1);
    const std::int64_t sourceWidth = source.width();
    const std::int64_t sourceHeight = source.height();
    std::vector<int> sourceX(static_cast<std::size_t>(width_));
    for (int x = 0; x < width_; ++x) {
        sourceX[std::size_t(x)] = int(x * sourceWidth / width_);
    }
    for (int y = 0; y < height_; ++y) {
        rowRuns_.push_back(runs_.size());
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(int(y * sourceHeight / height_)));
        QRgb* to = pixels_.data() + std::size_t(y) * std::size_t(width_);
        for (int x = 0; x < width_; ++x) {
            const QRgb value = from[sourceX[std::size_t(x)]];
            to[x] = value | 0xFF000000u;
            if (white(value)) {
                continue;
            }
            if (!runs_.empty() && rowRuns_.back() < runs_.size() && runs_.back().end == x) {
                runs_.back().end = x + 1;
            } else {
                runs_.push_back({x, x + 1});
            }
        }
    }
    rowRuns_.push_back(runs_.size());
}
