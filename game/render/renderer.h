// The renderer: the back buffer that frames draw into and the window's paints show.
#pragma once

#include "game/engine/engine_state.h"
#include "game/render/back_buffer.h"
#include "game/render/piece_art.h"
#include "game/render/render_options.h"

#include <vector>

class Renderer {
  public:
    // Draws the frame for a client area into the buffer, made anew (white) when missing or of
    // another size, and gives the areas whose pixels changed, merged into a few rectangles.
    std::vector<PixelRect> draw(PixelSize client, EngineState& state, const PieceArt& art,
                                const RenderOptions& options);
    // The next drawing draws everything, into a fresh buffer.
    void forget();
    // The buffer as last drawn; null before the first drawing, or when it could not be made.
    const Surface* picture() const;

  private:
    BackBuffer buffer_;
};
