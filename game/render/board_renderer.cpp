// The board's tiles and the strip above it: what each shows, and its drawing from that alone.
#include "game/engine/board.h"
#include "game/render/renderer.h"

#include <algorithm>

namespace {

// A cell's square, 30 units with its neighbours' overlapping its edges by one: the tile into
// which everything over it is drawn, clipped.
constexpr int kSquareSize = 30;
// The strip above the board reaches down to the top of row 0's square.
constexpr int kStripBottom = kBoardTop;

PixelRect cellSquare(const Scale& scale, int column, int row) {
    return scaledRect(scale, kBoardLeft + kCellPitch * column, kBoardTop + kCellPitch * row,
                      kSquareSize, kSquareSize);
}

// Where a piece lies, offsets included; also where a cell's sparkles and pop-ups show.
PixelRect piecePlace(const Scale& scale, int column, int row, int offsetX = 0, int offsetY = 0) {
    return scaledRect(scale, kBoardLeft + 1 + kCellPitch * column + offsetX,
                      kBoardTop + 1 + kCellPitch * row + offsetY, 28, 28);
}

// The bitmap of the cell's piece when a frame shows it, else null.
const Bitmap* pieceBitmap(const Cell& cell, const PieceArt& art) {
    if (cell.state == Empty || cell.offsetX >= kSquareSize || cell.offsetY >= kSquareSize ||
        cell.kind >= art.pieces.size() || !art.pieces[cell.kind]) {
        return nullptr;
    }
    return &*art.pieces[cell.kind];
}

// The first and last of the eight squares along one axis that meet [from, to), where square i
// covers [origin + 29i, origin + 29i + 30).
int floorDivide(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}
int firstSquare(int from, int origin) {
    return std::max(0, floorDivide(from - origin - kSquareSize, kCellPitch) + 1);
}
int lastSquare(int to, int origin) {
    static_assert(kColumns == kRows);
    return std::min(kColumns - 1, floorDivide(to - origin - 1, kCellPitch));
}

template <typename Item, std::size_t N>
void append(std::array<Item, N>& list, std::uint8_t& count, const Item& item, bool& crowded) {
    if (count < N) {
        list[count++] = item;
    } else {
        crowded = true;
    }
}

void addPieces(FrameLook& look, const EngineState& state, const PieceArt& art) {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const Cell& cell = state.cell(column, row);
            if (!pieceBitmap(cell, art)) {
                continue;
            }
            const PieceLook piece{std::int8_t(column), std::int8_t(row), cell.kind, cell.offsetX,
                                  cell.offsetY};
            // A piece in its place lies inside its own square.
            if (cell.offsetX == 0 && cell.offsetY == 0) {
                TileLook& tile = look.tiles[std::size_t(cellIndex(column, row))];
                append(tile.pieces, tile.pieceCount, piece, tile.crowded);
                continue;
            }
            const int left = kBoardLeft + 1 + kCellPitch * column + cell.offsetX;
            const int top = kBoardTop + 1 + kCellPitch * row + cell.offsetY;
            for (int j = firstSquare(top, kBoardTop); j <= lastSquare(top + 28, kBoardTop); ++j) {
                for (int i = firstSquare(left, kBoardLeft); i <= lastSquare(left + 28, kBoardLeft);
                     ++i) {
                    TileLook& tile = look.tiles[std::size_t(cellIndex(i, j))];
                    append(tile.pieces, tile.pieceCount, piece, tile.crowded);
                }
            }
            for (int i = firstSquare(left, kBoardLeft);
                 top < kStripBottom && i <= lastSquare(left + 28, kBoardLeft); ++i) {
                TileLook& tile = look.strip[std::size_t(i)];
                append(tile.pieces, tile.pieceCount, piece, tile.crowded);
            }
        }
    }
}

// A marker's square reaches one unit into each of the eight squares around it.
void addMarker(FrameLook& look, MarkerLook::Kind kind, int column, int row) {
    if (!onBoard(column, row)) {
        return;
    }
    const MarkerLook marker{kind, std::int8_t(column), std::int8_t(row)};
    for (int j = std::max(row - 1, 0); j <= std::min(row + 1, kRows - 1); ++j) {
        for (int i = std::max(column - 1, 0); i <= std::min(column + 1, kColumns - 1); ++i) {
            TileLook& tile = look.tiles[std::size_t(cellIndex(i, j))];
            append(tile.markers, tile.markerCount, marker, tile.crowded);
        }
    }
}

// The selection marker, or after ten idle seconds the hint markers, while nothing moves; the
// cells under them are marked, so that a cell is drawn again once its marker goes.
void addMarkers(FrameLook& look, EngineState& state, const PieceArt& art,
                const RenderOptions& options) {
    const Move& hint = state.hintMove;
    const CellPosition& selected = state.selection;
    if (selected.column != -1 && !state.stylusHeld) {
        if (art.selectionMarker) {
            addMarker(look, MarkerLook::Selection, selected.column, selected.row);
        }
        if (onBoard(selected.column, selected.row)) {
            setDirty(state, selected.column, selected.row);
        }
    } else if (state.idleMs > kHintAfterMs && state.level != Expert && options.hintsOn &&
               art.hintMarker) {
        addMarker(look, MarkerLook::Hint, hint.column1, hint.row1);
        addMarker(look, MarkerLook::Hint, hint.column2, hint.row2);
    }
    for (const auto& [column, row] :
         {std::pair{hint.column1, hint.row1}, std::pair{hint.column2, hint.row2}}) {
        if (onBoard(column, row)) {
            setDirty(state, column, row);
        }
    }
}

// The sparkle bitmap for an age in ticks: three stages, then none.
int sparkleStage(std::uint32_t ticks) {
    return ticks <= 1 ? 0 : ticks <= 3 ? 1 : ticks <= 6 ? 2 : -1;
}

// Sparkles, then pop-ups, each in list order, over the pieces: only with transparency effects.
void addEffects(FrameLook& look, const EngineState& state, const PieceArt& art) {
    const auto add = [&look](int column, int row, EffectLook effect) {
        if (onBoard(column, row)) {
            TileLook& tile = look.tiles[std::size_t(cellIndex(column, row))];
            append(tile.effects, tile.effectCount, effect, tile.crowded);
        }
    };
    for (const Sparkle& sparkle : state.sparkles) {
        const int stage = sparkleStage(sparkle.ticks);
        if (stage >= 0 && art.sparkles[std::size_t(stage)]) {
            add(sparkle.column, sparkle.row, {std::int8_t(stage), 0});
        }
    }
    for (const ScorePopup& popup : state.popups) {
        add(popup.column, popup.row, {-1, popup.points});
    }
}

// Widens `band` by the places of the items at which the two lists differ, item by item.
template <typename Item, std::size_t N, typename Place>
void addDifferences(PixelRect& band, const std::array<Item, N>& was, std::size_t wasCount,
                    const std::array<Item, N>& now, std::size_t nowCount, Place place) {
    for (std::size_t i = 0; i < std::max(wasCount, nowCount); ++i) {
        if (i < wasCount && i < nowCount && was[i] == now[i]) {
            continue;
        }
        if (i < wasCount) {
            band = unite(band, place(was[i]));
        }
        if (i < nowCount) {
            band = unite(band, place(now[i]));
        }
    }
}

using Layers = std::vector<Surface::Layer>;

void addPieceLayers(Layers& layers, const Scale& scale, std::span<const PieceLook> pieces,
                    const PieceArt& art, bool transparencyOn) {
    for (const PieceLook& piece : pieces) {
        layers.push_back({&*art.pieces[piece.kind],
                          piecePlace(scale, piece.column, piece.row, piece.offsetX, piece.offsetY),
                          transparencyOn});
    }
}

// A whole square ring two units wide round the cell: black outside, white inside, plain on
// every background, unlike the corner marks of the selection and hint markers.
void addCursorLayers(Layers& layers, const Scale& scale, int column, int row) {
    const int left = kBoardLeft + kCellPitch * column;
    const int top = kBoardTop + kCellPitch * row;
    for (const auto& [width, colour] : {std::pair{2, whiteColour}, std::pair{1, blackColour}}) {
        for (const PixelRect& side : {scaledRect(scale, left, top, 30, width),
                                      scaledRect(scale, left, top + 30 - width, 30, width),
                                      scaledRect(scale, left, top, width, 30),
                                      scaledRect(scale, left + 30 - width, top, width, 30)}) {
            layers.push_back({nullptr, side, false, colour});
        }
    }
}

} // namespace

void lookAtBoard(FrameLook& look, EngineState& state, const PieceArt& art,
                 const RenderOptions& options) {
    addPieces(look, state, art);
    if (!state.boardMoving && !state.boardWasMoving) {
        addMarkers(look, state, art, options);
    }
    if (onBoard(options.cursorColumn, options.cursorRow)) {
        addMarker(look, MarkerLook::Cursor, options.cursorColumn, options.cursorRow);
    }
    if (options.transparencyOn) {
        addEffects(look, state, art);
    }
}

PixelRect tileArea(const Scale& scale, int column, int row) {
    const PixelRect square = cellSquare(scale, column, std::max(row, 0));
    return row >= 0 ? square : PixelRect{square.left, 0, square.right, int(kStripBottom * scale.y)};
}

PixelRect changedPart(const Scale& scale, int column, int row, const TileLook& was,
                      const TileLook& now) {
    const PixelRect area = tileArea(scale, column, row);
    if (was.crowded || now.crowded) {
        return area;
    }
    PixelRect band;
    addDifferences(
        band, was.pieces, was.pieceCount, now.pieces, now.pieceCount, [&](const PieceLook& piece) {
            return piecePlace(scale, piece.column, piece.row, piece.offsetX, piece.offsetY);
        });
    addDifferences(
        band, was.markers, was.markerCount, now.markers, now.markerCount,
        [&](const MarkerLook& marker) { return cellSquare(scale, marker.column, marker.row); });
    addDifferences(band, was.effects, was.effectCount, now.effects, now.effectCount,
                   [&](const EffectLook&) { return piecePlace(scale, column, row); });
    return {area.left, std::max(area.top, band.top), area.right,
            std::min(area.bottom, band.bottom)};
}

// The factors are taken as whole numbers for the strip and the outline.
void drawBoardEdges(Surface& target, const Scale& scale) {
    const int sx = int(scale.x);
    const int sy = int(scale.y);
    target.fillRect({0, 0, 237 * sx, kStripBottom * sy}, whiteColour);
    const PixelPoint outline[] = {
        {3 * sx, 9 * sy},   {237 * sx, 9 * sy}, {237 * sx, 243 * sy},
        {3 * sx, 243 * sy}, {3 * sx, 9 * sy},
    };
    target.polyline(outline);
}

// The strip above a column is white but for the outline's top edge, which pieces coming in
// from above draw over.
void drawStripTile(Surface& target, const Scale& scale, const PixelRect& part, const TileLook& tile,
                   const PieceArt& art, bool transparencyOn) {
    const int sx = int(scale.x);
    const int sy = int(scale.y);
    Layers layers{{nullptr, {3 * sx, 9 * sy, 237 * sx + 1, 9 * sy + 1}, false, blackColour}};
    addPieceLayers(layers, scale, {tile.pieces.data(), tile.pieceCount}, art, transparencyOn);
    target.compose(part, whiteColour, layers);
}

void Renderer::drawTile(Surface& target, const Scale& scale, int column, int row,
                        const PixelRect& part, const TileLook& tile, const PieceArt& art,
                        const RenderOptions& options) {
    std::vector<Surface::Layer>& layers = layers_;
    layers.clear();
    addPieceLayers(layers, scale, {tile.pieces.data(), tile.pieceCount}, art,
                   options.transparencyOn);
    for (std::size_t i = 0; i < tile.markerCount; ++i) {
        const MarkerLook& marker = tile.markers[i];
        if (marker.kind == MarkerLook::Cursor) {
            addCursorLayers(layers, scale, marker.column, marker.row);
        } else {
            const Bitmap& bitmap =
                *(marker.kind == MarkerLook::Selection ? art.selectionMarker : art.hintMarker);
            layers.push_back({&bitmap, cellSquare(scale, marker.column, marker.row), true});
        }
    }
    for (std::size_t i = 0; i < tile.effectCount; ++i) {
        const EffectLook& effect = tile.effects[i];
        const Bitmap* bitmap = effect.sparkleStage >= 0
                                   ? &*art.sparkles[std::size_t(effect.sparkleStage)]
                                   : popups_.picture(effect.points);
        if (bitmap) {
            layers.push_back({bitmap, piecePlace(scale, column, row), true});
        }
    }
    target.compose(part, boardGround(options), layers);
}
