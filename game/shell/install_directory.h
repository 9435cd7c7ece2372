// Where the game's own files live: the registry's "installdir", or the handheld's documents folder.
#pragma once

#include <string>
#include <string_view>

// Fills shell.installDirectory from the registry, falling back to "\my documents".
void readInstallDirectory();

// "<install directory>\<name>", the form in which every file of the game is named.
std::u16string installPath(std::u16string_view name);
