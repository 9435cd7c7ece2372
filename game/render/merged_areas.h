// A frame's changed areas merged into a few rectangles, so that the window is sent one update.
#pragma once

#include "platform/colour.h"

#include <cstddef>
#include <vector>

// Merges areas that overlap or lie so close that their union costs no more pixels than the two
// apart, then, while more than `most` remain, the pair whose union adds the fewest pixels. The
// result covers every given area.
std::vector<PixelRect> mergedAreas(std::vector<PixelRect> areas, std::size_t most = 4);
