// The pictures of score pop-ups: black digits with a near-white outline on white, by points.
#pragma once

#include "platform/bitmap.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// A pop-up's text: "%i", or "-%i" with the magnitude for a charge.
std::u16string popupText(std::int32_t points);

// A picture depends on its text alone, and composing it draws text five times: each is made
// once and kept (as a bitmap, so it is also kept stretched to the drawing size).
class PopupPictures {
  public:
    // Null only when the picture could not be made. The pointer stays good until trim().
    const Bitmap* picture(std::int32_t points);
    // Scores are few, but a long game could see many: forgets them all once there are many.
    void trim();

  private:
    std::map<std::int32_t, std::optional<Bitmap>> made_;
};
