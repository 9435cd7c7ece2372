// Preview painting: the working bitmap is read afresh at every paint, so a changed file shows.
#include "pixelkiln/preview_painter.h"

#include "pixelkiln/main_dialog_template.h"
#include "pixelkiln/working_bitmaps.h"
#include "platform/bitmap.h"
#include "platform/dialog_classes.h"

#include <QPainter>

void previewPainter(QImage& client, const std::filesystem::path& bitmap) {
    // Loaded as the game loads a piece, so the preview shows exactly what the game can draw;
    // a pipe in the bitmap's place or a huge picture shows nothing and never blocks.
    const auto loaded = Bitmap::loadNativeFile(bitmap);
    if (!loaded) {
        return;
    }
    const QImage& picture = loaded->image();
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
