// Drawing of the board into the back buffer: cells, pieces and the selection and hint frames.
#include "game/render/board_renderer.h"

#include "game/render/kept_parts.h"
#include "game/render/status_renderer.h"

#include <string>

namespace {

PixelRect cellSquare(const Scale& scale, int column, int row) {
    return scaledRect(scale, 4 + kCellPitch * column, 10 + kCellPitch * row, 30, 30);
}

bool needsDrawing(const Cell& cell, const RenderOptions& options) {
    return (cell.flags & Dirty) || options.messageBoxUp;
}

// The bitmap of the cell's piece when this frame draws it, else null.
const Bitmap* pieceToDraw(const Cell& cell, const PieceArt& art, const RenderOptions& options) {
    if (cell.state == Empty || !needsDrawing(cell, options) || cell.offsetX >= 30 ||
        cell.offsetY >= 30 || cell.kind >= art.pieces.size() || !art.pieces[cell.kind]) {
        return nullptr;
    }
    return &*art.pieces[cell.kind];
}

PixelRect piecePlace(const Scale& scale, int column, int row, const Cell& cell) {
    return scaledRect(scale, 5 + kCellPitch * column + cell.offsetX,
                      11 + kCellPitch * row + cell.offsetY, 28, 28);
}

void setDirty(EngineState& state, int column, int row) {
    if (onBoard(column, row)) {
        state.cell(column, row).flags |= Dirty;
    }
}

void drawFrameBitmap(Surface& target, const Scale& scale, const std::optional<Bitmap>& frame,
                     int column, int row) {
    if (frame && onBoard(column, row)) {
        target.stretchCopyWhiteTransparent(*frame, cellSquare(scale, column, row));
    }
}

// The white strip above the board, less the outline's pixels in it (its top edge and the top
// of its left edge), which the outline draws black right after: wiping them first would
// change them twice for nothing.
void fillStripAroundOutline(Surface& target, int sx, int sy) {
    const int left = 3 * sx;
    const int top = 9 * sy;
    const int right = 237 * sx;
    const int bottom = 10 * sy;
    if (sx < 1 || sy < 1) {
        target.fillRect({0, 0, right, bottom}, whiteColour);
        return;
    }
    target.fillRect({0, 0, right, top}, whiteColour);
    target.fillRect({0, top, left, bottom}, whiteColour);
    target.fillRect({left + 1, top + 1, right, bottom}, whiteColour);
}

// The strip above the board and the board's outline (the factors taken as whole numbers).
// Only pieces coming in from above draw over them, so most frames leave them be.
void drawStripAndOutline(Surface& target, const Scale& scale) {
    const int sx = int(scale.x);
    const int sy = int(scale.y);
    const std::string key = std::to_string(sx) + 'x' + std::to_string(sy);
    if (target.kept().shows(kStripAndOutline, key)) {
        return;
    }
    fillStripAroundOutline(target, sx, sy);
    const PixelPoint outline[] = {
        {3 * sx, 9 * sy},   {237 * sx, 9 * sy}, {237 * sx, 243 * sy},
        {3 * sx, 243 * sy}, {3 * sx, 9 * sy},
    };
    target.polyline(outline);
    if (sx < 1 || sy < 1) {
        return;
    }
    target.kept().keep(kStripAndOutline,
                       {{0, 0, 237 * sx + 1, 10 * sy},
                        {3 * sx, 9 * sy, 3 * sx + 1, 243 * sy + 1},
                        {237 * sx, 9 * sy, 237 * sx + 1, 243 * sy + 1},
                        {3 * sx, 243 * sy, 237 * sx + 1, 243 * sy + 1}},
                       key);
}

} // namespace

void drawBackground(Surface& target, const Scale& scale, const EngineState& state,
                    const RenderOptions& options) {
    drawBackground(target, scale, state, options, nullptr);
}

void drawBackground(Surface& target, const Scale& scale, const EngineState& state,
                    const RenderOptions& options, const PieceArt* art) {
    const Colour fill = options.transparencyOn ? options.backgroundColor : whiteColour;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const Cell& cell = state.cell(column, row);
            if (!needsDrawing(cell, options)) {
                continue;
            }
            // Where the cell's own piece is drawn over it in the same frame, the square is
            // filled around the piece only.
            const Bitmap* piece = art ? pieceToDraw(cell, *art, options) : nullptr;
            if (piece) {
                target.fillRectAround(cellSquare(scale, column, row), fill, *piece,
                                      piecePlace(scale, column, row, cell), options.transparencyOn);
            } else {
                target.fillRect(cellSquare(scale, column, row), fill);
            }
        }
    }
    drawStripAndOutline(target, scale);
}

void drawPieces(Surface& target, const Scale& scale, const EngineState& state, const PieceArt& art,
                const RenderOptions& options) {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const Cell& cell = state.cell(column, row);
            const Bitmap* piece = pieceToDraw(cell, art, options);
            if (!piece) {
                continue;
            }
            const PixelRect place = piecePlace(scale, column, row, cell);
            if (options.transparencyOn) {
                target.stretchCopyWhiteTransparent(*piece, place);
            } else {
                target.stretchCopy(*piece, place);
            }
        }
    }
}

void drawMarks(Surface& target, const Scale& scale, EngineState& state, const PieceArt& art,
               const RenderOptions& options, int selectedColumn, int selectedRow) {
    const Move& hint = state.hintMove;
    if (selectedColumn != -1 && !state.stylusHeld) {
        drawFrameBitmap(target, scale, art.selectionFrame, selectedColumn, selectedRow);
        setDirty(state, selectedColumn, selectedRow);
    } else if (state.idleMs > kHintAfterMs && state.level != Expert && options.hintsOn) {
        drawFrameBitmap(target, scale, art.hintFrame, hint.column1, hint.row1);
        drawFrameBitmap(target, scale, art.hintFrame, hint.column2, hint.row2);
    }
    setDirty(state, hint.column1, hint.row1);
    setDirty(state, hint.column2, hint.row2);
}

void drawKeyboardCursor(Surface& target, const Scale& scale, const EngineState& state,
                        const RenderOptions& options) {
    const int column = options.cursorColumn;
    const int row = options.cursorRow;
    if (!onBoard(column, row) || !needsDrawing(state.cell(column, row), options)) {
        return;
    }
    const int left = kBoardLeft + kCellPitch * column;
    const int top = kBoardTop + kCellPitch * row;
    // A square ring two units wide round the whole cell: black outside, white inside.
    target.fillRect(scaledRect(scale, left, top, 30, 2), whiteColour);
    target.fillRect(scaledRect(scale, left, top + 28, 30, 2), whiteColour);
    target.fillRect(scaledRect(scale, left, top, 2, 30), whiteColour);
    target.fillRect(scaledRect(scale, left + 28, top, 2, 30), whiteColour);
    target.fillRect(scaledRect(scale, left, top, 30, 1), blackColour);
    target.fillRect(scaledRect(scale, left, top + 29, 30, 1), blackColour);
    target.fillRect(scaledRect(scale, left, top, 1, 30), blackColour);
    target.fillRect(scaledRect(scale, left + 29, top, 1, 30), blackColour);
}

void drawFrame(Surface& target, const Scale& scale, EngineState& state, const PieceArt& art,
               const RenderOptions& options) {
    drawBackground(target, scale, state, options, &art);
    drawPieces(target, scale, state, art, options);
    if (!state.boardMoving && !state.boardWasMoving) {
        drawMarks(target, scale, state, art, options, state.selection.column, state.selection.row);
    }
    drawKeyboardCursor(target, scale, state, options);
    drawTimeBar(target, scale, state);
    drawStatusLine(target, scale, state, options);
    drawEffects(target, scale, state, art, options);
}
