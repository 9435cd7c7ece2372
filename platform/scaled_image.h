// A bitmap stretched once to a drawing size, with each row's runs of non-white pixels known.
#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

// Stretched by nearest pixel exactly as Surface stretches at drawing time, so that drawing it
// is copying rows (or, white being transparent, the runs between the white pixels).
class ScaledImage {
  public:
    // A run of pixels [begin, end) of one row.
    struct Run {
        int begin;
        int end;
    };

    ScaledImage(const QImage& source, int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Opaque pixels (alpha 255), `width()` of them.
    const QRgb* row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    // The runs of the row that are not pure white, left to right.
    std::span<const Run> opaqueRuns(int y) const {
        return {runs_.data() + rowRuns_[std::size_t(y)],
                runs_.data() + rowRuns_[std::size_t(y) + 1]};
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<QRgb> pixels_;
    std::vector<Run> runs_;
    // Where each row's runs begin in runs_, and one past the last row's.
    std::vector<std::size_t> rowRuns_;
};
