// Where the game's own files live: the registry's "installdir", or the handheld's documents folder.
#pragma once

#include <string>
#include <string_view>

constexpr int kPathUnits = 260;

// Fills `directory` from the registry, falling back to "\my documents"; no trailing backslash.
void readInstallDirectory(char16_t (&directory)[kPathUnits]);

// "<directory>\<name>", the form in which every file of the game is named.
std::u16string installPath(const char16_t (&directory)[kPathUnits], std::u16string_view name);
