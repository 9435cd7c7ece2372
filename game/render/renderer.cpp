// The renderer: a frame drawn into the back buffer, and what of the buffer that changed.
#include "game/render/renderer.h"

#include "game/engine/board.h"
#include "game/render/board_renderer.h"
#include "game/render/merged_areas.h"

std::vector<PixelRect> Renderer::draw(PixelSize client, EngineState& state, const PieceArt& art,
                                      const RenderOptions& options) {
    Surface* buffer = buffer_.forClient(client.width, client.height);
    if (!buffer) {
        return {};
    }
    // A fresh buffer is white: every cell must be drawn into it.
    if (buffer_.fresh()) {
        markAllCells(state);
    }
    drawFrame(*buffer, scaleForClient(client.width, client.height), state, art, options);
    return mergedAreas(buffer_.takeChanges());
}

void Renderer::forget() {
    buffer_.release();
}

const Surface* Renderer::picture() const {
    return buffer_.surface();
}
