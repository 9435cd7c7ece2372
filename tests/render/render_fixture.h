// The renderer tests' bitmaps: pieces, markers and sparkles of plain colours on white grounds.
#pragma once

#include "board_fixture.h"
#include "game/render/piece_art.h"

#include <QImage>

// A square of the colour inside a white border `ground` pixels wide.
inline Bitmap framedSquare(int side, int ground, QRgb colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = ground; y < side - ground; ++y) {
        for (int x = ground; x < side - ground; ++x) {
            image.setPixel(x, y, colour);
        }
    }
    return *Bitmap::fromImage(image);
}

// Seven pieces of their own colours, markers that reach their squares' edges, three sparkles.
inline const PieceArt& squaresArt() {
    static const PieceArt art = [] {
        PieceArt made;
        for (int kind = 0; kind < kPieceKinds; ++kind) {
            made.pieces[std::size_t(kind)] = framedSquare(28, 4, qRgb(30 * kind, 200, 90));
        }
        made.selectionMarker = framedSquare(30, 0, qRgb(0, 0, 0));
        made.hintMarker = framedSquare(30, 0, qRgb(0, 0, 255));
        for (int stage = 0; stage < 3; ++stage) {
            made.sparkles[std::size_t(stage)] = framedSquare(28, 6 + 3 * stage, qRgb(255, 255, 0));
        }
        return made;
    }();
    return art;
}
