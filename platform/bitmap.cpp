// Decodes BMP images with Qt's reader, bounding their size before anything is allocated.
#include "platform/bitmap.h"

#include "platform/files.h"
#include "platform/regular_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>

namespace {

std::optional<Bitmap> decode(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxBitmapSide || size.height() > kMaxBitmapSide)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image))
        return std::nullopt;
    return Bitmap::fromImage(image);
}

std::optional<Bitmap> decodeResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(kMaxBitmapFileBytes))
        return std::nullopt;
    return decode(file.readAll());
}

} // namespace

std::shared_ptr<const ScaledImage> Bitmap::scaledTo(int width, int height) const {
    if (!scaled_ || scaled_->width() != width || scaled_->height() != height) {
        scaled_ = std::make_shared<const ScaledImage>(image_, width, height);
    }
    return scaled_;
}

std::optional<Bitmap> Bitmap::fromImage(const QImage& image) {
    if (image.isNull())
        return std::nullopt;
    return Bitmap(image.convertToFormat(QImage::Format_RGB32));
}

std::optional<Bitmap> Bitmap::fromBmpData(std::span<const std::uint8_t> data) {
    if (data.size() > kMaxBitmapFileBytes)
        return std::nullopt;
    return decode(QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size())));
}

std::optional<Bitmap> Bitmap::loadResource(std::u16string_view resourcePath) {
    return decodeResource(QString::fromUtf16(resourcePath.data(), qsizetype(resourcePath.size())));
}

std::optional<Bitmap> Bitmap::loadFile(std::u16string_view handheldPath) {
    const auto bytes = readWholeFile(handheldPath, kMaxBitmapFileBytes);
    if (!bytes)
        return std::nullopt;
    return fromBmpData(*bytes);
}

std::optional<Bitmap> Bitmap::loadNativeFile(const std::filesystem::path& path) {
    const auto bytes = readNativeWholeFile(path, kMaxBitmapFileBytes);
    if (!bytes)
        return std::nullopt;
    return fromBmpData(*bytes);
}
