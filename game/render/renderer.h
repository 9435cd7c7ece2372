// The renderer: the back buffer frames draw into, a record of what it shows, and the look of
// each part of a frame; a part is drawn again only when its look differs from the record.
#pragma once

#include "game/engine/engine_state.h"
#include "game/render/piece_art.h"
#include "game/render/popup_pictures.h"
#include "platform/surface.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// Whole-number factors from the client area to the 240 by 294 design area, used as reals.
struct Scale {
    double x = 1;
    double y = 1;
    bool operator==(const Scale&) const = default;
};

inline Scale scaleForClient(int clientWidth, int clientHeight) {
    return {double(clientWidth / 240), double(clientHeight / 294)};
}

// A design rectangle by corner and size, scaled: the right edge is the scaled left plus the
// scaled width.
inline PixelRect scaledRect(const Scale& scale, int left, int top, int width, int height) {
    const int x = int(left * scale.x);
    const int y = int(top * scale.y);
    return {x, y, x + int(width * scale.x), y + int(height * scale.y)};
}

// What the renderer draws with besides the engine and the bitmaps.
struct RenderOptions {
    Colour backgroundColor = rgbColour(200, 200, 200);
    bool hintsOn = true;
    bool showTurnScore = true;
    bool transparencyOn = true;
    // The keyboard cursor's cell; a column of -1 when it does not show.
    int cursorColumn = -1;
    int cursorRow = -1;
};

// The board's ground, which the cells' squares are filled with: the background colour under
// transparency effects, white without them.
inline Colour boardGround(const RenderOptions& options) {
    return options.transparencyOn ? options.backgroundColor : whiteColour;
}

// The hint markers show once the board has been idle longer than this.
constexpr std::uint32_t kHintAfterMs = 10000;

// A piece as a tile shows it: whose it is, its kind and where it lies.
struct PieceLook {
    std::int8_t column = 0;
    std::int8_t row = 0;
    std::uint8_t kind = 0;
    std::int32_t offsetX = 0;
    std::int32_t offsetY = 0;
    bool operator==(const PieceLook&) const = default;
};

// The selection or a hint marker, or the keyboard cursor, on the square of a cell; a square
// overlaps the squares around it by one unit, so each reaches into its neighbours' tiles.
struct MarkerLook {
    enum Kind : std::uint8_t { Selection, Hint, Cursor };
    Kind kind = Selection;
    std::int8_t column = 0;
    std::int8_t row = 0;
    bool operator==(const MarkerLook&) const = default;
};

// A sparkle's stage (0 to 2), or a pop-up with its points, over a cell's piece.
struct EffectLook {
    std::int8_t sparkleStage = -1; // -1: a pop-up
    std::int32_t points = 0;
    bool operator==(const EffectLook&) const = default;
};

// The first `count` items of each list.
template <typename Item, std::size_t N>
bool sameItems(const std::array<Item, N>& a, const std::array<Item, N>& b, std::size_t count) {
    return std::equal(a.begin(), a.begin() + std::ptrdiff_t(count), b.begin());
}

// Everything drawn into the square of one cell, in drawing order.
struct TileLook {
    static constexpr std::size_t kMost = 6;
    std::array<PieceLook, kMost> pieces;
    std::array<MarkerLook, kMost> markers;
    std::array<EffectLook, kMost> effects;
    std::uint8_t pieceCount = 0;
    std::uint8_t markerCount = 0;
    std::uint8_t effectCount = 0;
    // More than the lists hold: the tile is drawn in every frame.
    bool crowded = false;

    // Empties the lists, whatever their items hold.
    void clear() {
        pieceCount = markerCount = effectCount = 0;
        crowded = false;
    }
    bool operator==(const TileLook& other) const {
        return pieceCount == other.pieceCount && markerCount == other.markerCount &&
               effectCount == other.effectCount && crowded == other.crowded &&
               sameItems(pieces, other.pieces, pieceCount) &&
               sameItems(markers, other.markers, markerCount) &&
               sameItems(effects, other.effects, effectCount);
    }
};

struct TimeBarLook {
    bool shown = false; // Easy has none: the area keeps what it holds
    PixelRect bar;
    int edge = 0; // the right edge of the white part
    bool operator==(const TimeBarLook&) const = default;
};

struct StatusLook {
    PixelRect line;
    int fontPixels = 0;
    bool demoMode = false;
    bool showTurnScore = false;
    bool turnScoreShown = false;
    std::int32_t score = 0;
    std::int32_t turnScore = 0;
    bool operator==(const StatusLook&) const = default;
};

// What one frame shows, as values compared with ==.
struct FrameLook {
    // The cells' ground and the pieces' white: when they change, every tile is drawn.
    Colour fill = 0;
    bool transparencyOn = false;
    // Above each column, the strip over the board shows the pieces coming in.
    std::array<TileLook, kColumns> strip;
    std::array<TileLook, kCellCount> tiles;
    TimeBarLook timeBar;
    StatusLook status;
};

class Renderer {
  public:
    // Draws the frame for a client area into the buffer, made anew (white) when missing or of
    // another size, and gives the areas whose pixels changed, merged into a few rectangles.
    // Only the parts whose look differs from what the buffer shows are drawn. Like the frames
    // of the handheld, it marks the cells under the selection and hint markers to be drawn.
    std::vector<PixelRect> draw(PixelSize client, EngineState& state, const PieceArt& art,
                                const RenderOptions& options);
    // The next drawing draws every part (the bitmaps changed, say).
    void forget() { known_ = false; }
    // The buffer as last drawn; null before the first drawing, or when it could not be made.
    const Surface* picture() const { return buffer_ && buffer_->valid() ? &*buffer_ : nullptr; }

  private:
    // Draws the part of a cell's tile into the target.
    void drawTile(Surface& target, const Scale& scale, int column, int row, const PixelRect& part,
                  const TileLook& tile, const PieceArt& art, const RenderOptions& options);

    std::optional<Surface> buffer_;
    // What the buffer shows, unless unknown (a new buffer, forget()), and the next frame's look:
    // they change places after each frame.
    std::unique_ptr<FrameLook> shown_ = std::make_unique<FrameLook>();
    std::unique_ptr<FrameLook> next_ = std::make_unique<FrameLook>();
    bool known_ = false;
    PopupPictures popups_;
    std::vector<Surface::Layer> layers_;
};

// The look of each part of the frame the state and options give, and the marks on the cells
// under the markers (board_renderer.cpp).
void lookAtBoard(FrameLook& look, EngineState& state, const PieceArt& art,
                 const RenderOptions& options);
// The board's outline and the white strip above the board, as a new buffer needs them.
void drawBoardEdges(Surface& target, const Scale& scale);
// The tile of a cell, or with row -1 the part of the strip above its column.
PixelRect tileArea(const Scale& scale, int column, int row);
// The rows of a tile whose pixels may differ from what `was` drew there: those of each piece,
// marker and effect that is not the same at its place in both lists.
PixelRect changedPart(const Scale& scale, int column, int row, const TileLook& was,
                      const TileLook& now);
// The part of the strip above a column, with the pieces coming in over it.
void drawStripTile(Surface& target, const Scale& scale, const PixelRect& part, const TileLook& tile,
                   const PieceArt& art, bool transparencyOn);
// The time bar and the status line below the board.
TimeBarLook timeBarLook(const EngineState& state, const Scale& scale);
void drawTimeBar(Surface& target, const TimeBarLook& look);
StatusLook statusLook(const EngineState& state, const Scale& scale, const RenderOptions& options);
void drawStatusLine(Surface& target, const StatusLook& look);

// The right edge, in design units, of the white part of the time bar.
int timeBarRight(std::uint32_t timeLeftMs);
// The time bar's rectangle, and the right edge of its white part, in pixels at the scale.
PixelRect timeBarRect(const Scale& scale);
int timeBarEdge(std::uint32_t timeLeftMs, double scaleX);

// Milliseconds from now until a frame of this resting board would draw other pixels than the
// last: the time bar's next pixel at this scale, or the hint markers coming into view.
// kNeverDue (game/engine/tick.h) when neither will.
std::uint32_t msUntilDrawingChanges(const EngineState& state, const Scale& scale,
                                    const RenderOptions& options);
