// Where the game's client area lies in a window of any shape: whole factors, centred.
#pragma once

#include "platform/surface.h"

// The design area the game draws in at factor 1, in pixels.
constexpr int kClientDesignWidth = 240;
constexpr int kClientDesignHeight = 294;

// The largest k for which k*240 by k*294 pixels fit the area; at least 1.
int wholeClientScale(PixelSize area);

// The game's client area in an area of this size: the largest k*240 by k*294 rectangle (k at
// least 1) that fits, centred, so that the two scale factors stay equal in a window of any
// shape. Where even k = 1 does not fit, it starts at the area's edge and runs over the far one.
PixelRect centredClientArea(PixelSize area);
