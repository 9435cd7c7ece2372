// The game's client area placed in the window: the largest whole factor, centred.
#include "platform/client_placement.h"

#include <algorithm>

int wholeClientScale(PixelSize area) {
    return std::max(1,
                    std::min(area.width / kClientDesignWidth, area.height / kClientDesignHeight));
}

PixelRect centredClientArea(PixelSize area) {
    const int k = wholeClientScale(area);
    const int width = k * kClientDesignWidth;
    const int height = k * kClientDesignHeight;
    const int left = std::max(0, (area.width - width) / 2);
    const int top = std::max(0, (area.height - height) / 2);
    return {left, top, left + width, top + height};
}
