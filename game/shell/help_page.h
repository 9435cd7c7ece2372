// The help page F1 opens: in the language the game speaks where it has one, else the English one.
#pragma once

#include "game/shell/install_directory.h"

#include <string>

// The page's path. A translated page is written from the game's own copy beside the English one
// (as "zorv help.<language>.htm") whenever the file there differs; when it cannot be written,
// or the language has no page, the English page the first start wrote is the one.
std::u16string helpPagePath(const char16_t (&installDirectory)[kPathUnits]);
