// A frame drawn as what differs from what the buffer shows, part by part in the frame's order.
#include "game/render/renderer.h"

std::vector<PixelRect> Renderer::draw(PixelSize client, EngineState& state, const PieceArt& art,
                                      const RenderOptions& options) {
    if (client.width <= 0 || client.height <= 0) {
        return {};
    }
    if (!buffer_ || buffer_->width() != client.width || buffer_->height() != client.height) {
        buffer_.emplace(client.width, client.height);
        known_ = false;
    }
    if (!buffer_->valid()) {
        return {};
    }
    popups_.trim();
    const Scale scale = scaleForClient(client.width, client.height);
    FrameLook& look = *next_;
    for (TileLook& tile : look.strip) {
        tile.clear();
    }
    for (TileLook& tile : look.tiles) {
        tile.clear();
    }
    look.fill = options.transparencyOn ? options.backgroundColor : whiteColour;
    look.transparencyOn = options.transparencyOn;
    lookAtBoard(look, state, art, options);
    look.timeBar = timeBarLook(state, scale);
    look.status = statusLook(state, scale, options);

    // A new buffer is white and shows nothing yet; another ground shows under every tile.
    const bool unknown = !known_;
    const FrameLook& shown = *shown_;
    const bool everyTile =
        unknown || shown.fill != look.fill || shown.transparencyOn != look.transparencyOn;
    Surface& target = *buffer_;
    if (unknown) {
        drawBoardEdges(target, scale);
    }
    // Only the rows of a tile that what changed covers.
    const auto part = [&](int column, int row, const TileLook& was, const TileLook& now) {
        if (everyTile) {
            return tileArea(scale, column, row);
        }
        return now == was && !now.crowded ? PixelRect{} : changedPart(scale, column, row, was, now);
    };
    for (int column = 0; column < kColumns; ++column) {
        const std::size_t at = std::size_t(column);
        const PixelRect area = part(column, -1, shown.strip[at], look.strip[at]);
        if (!area.empty()) {
            drawStripTile(target, scale, area, look.strip[at], art, look.transparencyOn);
        }
    }
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const std::size_t at = std::size_t(cellIndex(column, row));
            const PixelRect area = part(column, row, shown.tiles[at], look.tiles[at]);
            if (!area.empty()) {
                drawTile(target, scale, column, row, area, look.tiles[at], art, options);
            }
        }
    }
    if (unknown || look.timeBar != shown.timeBar) {
        drawTimeBar(target, look.timeBar);
    }
    if (unknown || look.status != shown.status) {
        drawStatusLine(target, look.status);
    }
    std::swap(shown_, next_);
    known_ = true;
    std::vector<PixelRect> changed = target.takeChangedAreas();
    // All of a new buffer is new to the window.
    if (unknown) {
        return {{0, 0, target.width(), target.height()}};
    }
    return changed;
}
