// The seven working bitmaps: a set of "1.bmp" to "7.bmp" in a folder of the compiler's own.
#pragma once

#include "pixelkiln/pixelkiln_state.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// The compiler's own folder under the desktop's data folder ($XDG_DATA_HOME, by default
// ~/.local/share): "Quendlex/Zorv Pixelkiln", beside its settings' names. Never the current
// folder, where the working bitmaps could replace a player's files of the same names.
std::filesystem::path workingFolderLocation();

// At start: takes the working folder's place, creates it and an empty set of working bitmaps on
// first use, and removes what a crash of an earlier run left there.
void prepareWorkingBitmaps(PixelkilnState& state);

// Working bitmap k (1 to 7): "bitmaps/k.bmp" in the working folder; empty without a folder.
std::filesystem::path workingBitmapPath(const PixelkilnState& state, int k);

// Replaces working bitmap k alone; false when it cannot be written.
bool replaceWorkingBitmap(const PixelkilnState& state, int k,
                          const std::vector<std::uint8_t>& bytes);

// Replaces all seven as one: after a failure or a crash at any moment they are wholly the old
// set or wholly the new one.
bool replaceWorkingBitmaps(const PixelkilnState& state,
                           const std::vector<std::uint8_t> (&bitmaps)[kPreviewCount]);
