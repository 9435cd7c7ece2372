// Bitmaps for drawing: loaded from the program's embedded resources or from .bmp files.
#pragma once

#include "platform/scaled_image.h"

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

// The largest bitmap loaded: a piece is drawn in a cell of 28 by 28 design units, and seven of
// these decoded (4 MiB each) are still little to hold. Its side is checked from the header,
// before anything is decoded.
constexpr int kMaxBitmapSide = 1024;
// The largest .bmp file read: such a bitmap at 32 bits per pixel, with room for any header.
constexpr std::size_t kMaxBitmapFileBytes = 4 * 1024 * 1024 + 64 * 1024;

class Bitmap {
  public:
    // Each gives nothing when the data is missing, damaged, not a BMP image, or too large.
    // Files are read only when they are regular files.
    static std::optional<Bitmap> fromBmpData(std::span<const std::uint8_t> data);
    // A Qt resource path such as u":/bitmaps/piece1.bmp".
    static std::optional<Bitmap> loadResource(std::u16string_view resourcePath);
    // A handheld path such as u"\\my documents\\zorv themes\\1.bmp".
    static std::optional<Bitmap> loadFile(std::u16string_view handheldPath);
    static std::optional<Bitmap> loadNativeFile(const std::filesystem::path& path);
    // Any image, converted to RGB32; nothing for a null image.
    static std::optional<Bitmap> fromImage(const QImage& image);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    // Always RGB32.
    const QImage& image() const { return image_; }
    // The bitmap stretched to a drawing size. The last size asked for is kept, so a board drawn
    // at one scale stretches each bitmap once.
    std::shared_ptr<const ScaledImage> scaledTo(int width, int height) const;

  private:
    explicit Bitmap(QImage image) : image_(std::move(image)) {}
    QImage image_;
    // Shared by copies, which hold the same pixels.
    mutable std::shared_ptr<const ScaledImage> scaled_;
};
