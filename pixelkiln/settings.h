// The compiler's settings between runs: the current theme name and theme file.
#pragma once

#include "pixelkiln/pixelkiln_state.h"

// Loads "curThemeName" and "curThemeFile". With no settings at all the name becomes "No name"
// and the file keeps its initial value; with settings present, a missing or unreadable name
// becomes "No Name" and a missing file becomes empty. Both names are in the player's language.
// Settings that are not a regular file that can be read give the initial values and are never
// waited on.
void readSettings(PixelkilnState& state);

// Stores both values; settings that cannot be written are lost without a message, and settings
// that are not a regular file that can be read are left as they are.
void writeSettings(const PixelkilnState& state);
