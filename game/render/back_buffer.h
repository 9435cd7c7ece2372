// The back buffer that persists between paints and is released by every pause.
#pragma once

#include "platform/surface.h"

#include <optional>

class BackBuffer {
  public:
    // The buffer for a client area, made white when missing or when the size changed.
    Surface* forClient(int width, int height);
    void release() { surface_.reset(); }
    bool held() const { return surface_.has_value(); }
    // Whether the last forClient made the buffer, so that it holds nothing drawn yet.
    bool madeAnew() const { return madeAnew_; }

  private:
    std::optional<Surface> surface_;
    bool madeAnew_ = false;
};
