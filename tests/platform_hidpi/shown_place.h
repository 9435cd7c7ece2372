// Where a picture shows in a grabbed window, and how far it differs from what was drawn.
#pragma once

#include <QImage>
#include <QRect>

// The smallest rectangle holding every pixel whose colour (without alpha) `picks` takes.
template <typename Pick> QRect placeOf(const QImage& shown, Pick picks) {
    QRect place;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (picks(shown.pixel(x, y) & 0xFFFFFF)) {
                place |= QRect(x, y, 1, 1);
            }
        }
    }
    return place;
}

// Where a picture shows among margins of one colour.
inline QRect shownPlace(const QImage& shown, QRgb margin) {
    return placeOf(shown, [margin](QRgb pixel) { return pixel != (margin & 0xFFFFFF); });
}

// The pixels of `drawn` that do not show unchanged at `at` in `shown`.
inline int differingPixels(const QImage& shown, QPoint at, const QImage& drawn) {
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QPoint there(at.x() + x, at.y() + y);
            differing += !shown.valid(there) ||
                         (shown.pixel(there) & 0xFFFFFF) != (drawn.pixel(x, y) & 0xFFFFFF);
        }
    }
    return differing;
}
