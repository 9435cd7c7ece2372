// Preview painting: the working bitmap is read afresh at every paint, so a changed file shows.
#include "pixelkiln/preview_painter.h"

#include "pixelkiln/main_dialog_template.h"
#include "platform/dialog_classes.h"

#include <QImageReader>
#include <QPainter>

namespace {

// A hostile file claiming a huge picture is not decoded.
constexpr int kMaxBitmapSide = 8192;

QImage loadBitmap(const std::filesystem::path& path) {
    QImageReader reader(QString::fromStdString(path.string()), "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxBitmapSide || size.height() > kMaxBitmapSide) {
        return {};
    }
    return reader.read();
}

} // namespace

void previewPainter(QImage& client, const std::filesystem::path& bitmap) {
    const QImage picture = loadBitmap(bitmap);
    if (picture.isNull()) {
        return;
    }
    QPainter painter(&client);
    painter.fillRect(kPreviewLeft, kPreviewTop, kPieceSide, kPieceSide, Qt::white);
    painter.drawImage(kPreviewLeft, kPreviewTop, picture, 0, 0, kPieceSide, kPieceSide);
}

void registerPreviewClasses(const PixelkilnState& state) {
    for (int k = 1; k <= kPreviewCount; ++k) {
        registerControlClass(previewClassName(k), [&state, k](QImage& client) {
            previewPainter(client, workingBitmapPath(state, k));
        });
    }
}

void unregisterPreviewClasses() {
    for (int k = 1; k <= kPreviewCount; ++k) {
        unregisterControlClass(previewClassName(k));
    }
}
