// Temporary files that a save cut short by a crash left in the game's folders.
#pragma once

#include "game/shell/install_directory.h"

// Removes, from the install directory, the documents folder and the themes folder, each
// temporary file of a file the game writes there whose writer has ended; nothing else. Called at
// start, once the install directory is known.
void removeCrashLeftovers(const char16_t (&installDirectory)[kPathUnits]);
