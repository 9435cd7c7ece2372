// The back buffer that persists between paints and is released by every pause.
#pragma once

#include "platform/surface.h"

#include <optional>
#include <vector>

class BackBuffer {
  public:
    // The buffer for a client area, made white when missing or when the size changed.
    Surface* forClient(int width, int height);
    void release();
    // The buffer as it stands; null when there is none.
    const Surface* surface() const { return surface_ && surface_->valid() ? &*surface_ : nullptr; }
    // Whether the buffer is fresh: made (white) by a forClient, on whatever path, and not yet
    // drawn and taken as shown, so the next drawing must cover every cell.
    bool fresh() const { return fresh_; }
    // The areas where the buffer may differ from what the window was last told to show, which
    // from then on counts as shown: the whole buffer after it was made, else the areas where
    // drawing since the last call changed pixels. The drawing itself leaves alone the rows
    // that already hold what it draws, so these need no comparing with a copy of the screen.
    std::vector<PixelRect> takeChanges();

  private:
    std::optional<Surface> surface_;
    bool fresh_ = false;
};
