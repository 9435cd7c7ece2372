// The theme list: theme files waiting in My Documents and those installed in the themes folder.
#pragma once

#include "game/themes/theme_settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t kThemeListUnits = 260; // every text of an entry, terminator included

// One theme file found by a scan. The list's order stands for the entries' links.
struct ThemeListEntry {
    char16_t fileName[kThemeListUnits] = {};  // the found name, without folder
    char16_t themeName[kThemeListUnits] = {}; // the name stored inside the file
    std::uint32_t inThemesFolder = 0;         // found in the themes folder, not in My Documents
    std::uint32_t alreadyInstalled = 0;       // My Documents entry whose name is also installed
};

// My Documents entries first, then the themes folder's, each in search order.
using ThemeEntries = std::vector<ThemeListEntry>;

// Builds the list afresh from both folders.
void scanThemes(ThemeEntries& list, const ThemeSettings& settings);
// Frees every entry and leaves the list empty.
void freeThemeList(ThemeEntries& list);

// Fills destination (kThemeListUnits units) with the name stored in the file, read without
// looking at the header and cut to the field; empty when the file does not open or its name
// length cannot be read. Returns whether a name was read.
bool readListedThemeName(char16_t* destination, std::u16string_view fileName, bool inThemesFolder,
                         const ThemeSettings& settings);

// "\my documents\<fileName>" and "<install directory>\zorv themes\<fileName>".
std::u16string myDocumentsThemePath(std::u16string_view fileName);
std::u16string installedThemePath(std::u16string_view fileName, const ThemeSettings& settings);

// The list box text of an entry: the bare name for an installed theme, else "UPDATED - %s" or
// "NEW - %s", cut to kThemeListUnits - 1 units.
std::u16string themeListText(const ThemeListEntry& entry);
