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
    bool held() const { return surface_.has_value(); }
    // Whether the buffer is fresh: made (white) by a forClient, on whatever path, and not yet
    // drawn and taken as shown, so the next drawing must cover every cell.
    bool fresh() const { return fresh_; }
    // The areas where the buffer now differs from what the window was last told to show, which
    // from then on counts as shown: the whole buffer after it was made, else the parts of the
    // areas drawn since the last call whose pixels changed.
    std::vector<PixelRect> takeChanges();

  private:
    std::optional<Surface> surface_;
    // A copy of what the window shows, to tell which drawn pixels changed.
    std::optional<Surface> shown_;
    bool fresh_ = false;
};
