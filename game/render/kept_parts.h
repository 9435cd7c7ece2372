// The parts of a frame that are drawn again only when their look changed or something drew
// over them.
#pragma once

enum KeptPart : int {
    kStripAndOutline = 1,
    kTimeBar,
    kStatusLine,
};
