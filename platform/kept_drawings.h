// Parts of a picture drawn from a key, known to be still there until anything draws over them.
#pragma once

#include "platform/colour.h"

#include <string>
#include <string_view>
#include <vector>

// A part of the frame whose pixels follow from a key alone (the time bar from its length, the
// status line from its texts): while nothing else changes a pixel of its areas, the picture
// still shows it, and drawing it again from the same key would change nothing.
class KeptDrawings {
  public:
    // Whether the drawing with this id was kept with this key and is still whole.
    bool shows(int drawing, std::string_view key) const;
    // Notes the drawing, just drawn over these areas from this key.
    void keep(int drawing, std::vector<PixelRect> areas, std::string key);
    // Pixels in the area changed: a drawing there is no longer known to show.
    void overwritten(const PixelRect& area);

  private:
    struct Kept {
        int drawing = 0;
        std::vector<PixelRect> areas;
        std::string key;
    };
    std::vector<Kept> kept_;
};
