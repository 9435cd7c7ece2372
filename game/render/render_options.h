// What the renderer reads besides the engine and the bitmaps: the options and the message-box
// state.
#pragma once

#include "platform/colour.h"

struct RenderOptions {
    Colour backgroundColor = rgbColour(200, 200, 200);
    bool hintsOn = true;
    bool showTurnScore = true;
    bool transparencyOn = true;
    // While a message box shows, every cell is drawn, so the board stands whole behind it.
    bool messageBoxUp = false;
    // The keyboard cursor's cell; a column of -1 when it does not show.
    int cursorColumn = -1;
    int cursorRow = -1;
};

// Whole-number factors from the client area to the 240 by 294 design area, used as reals.
struct Scale {
    double x = 1;
    double y = 1;
};

inline Scale scaleForClient(int clientWidth, int clientHeight) {
    return {double(clientWidth / 240), double(clientHeight / 294)};
}

// A design rectangle by corner and size, scaled: the right edge is the scaled left plus the
// scaled width.
inline PixelRect scaledRect(const Scale& scale, int left, int top, int width, int height) {
    const int x = int(left * scale.x);
    const int y = int(top * scale.y);
    return {x, y, x + int(width * scale.x), y + int(height * scale.y)};
}
