// The theme compiler's state for the whole run: the theme's name and file, the start directory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Every narrow text the compiler keeps fits a 260-byte buffer with its terminator.
constexpr std::size_t kNarrowTextBytes = 260;
constexpr int kPreviewCount = 7;

struct PixelkilnState {
    std::string curThemeName = "No name"; // UTF-8, the desktop's narrow encoding
    std::string curThemeFile;             // empty while no theme file is chosen
    std::filesystem::path startDirectory; // the current folder at start, which file dialogs restore
    std::filesystem::path workingFolder;  // the compiler's own folder, holding the working bitmaps
};

// The text up to its first zero byte, cut to at most maxBytes without splitting a character.
std::string cutNarrowText(std::string_view text, std::size_t maxBytes = kNarrowTextBytes - 1);

// Makes the start directory current again, as each file dialog does when it closes.
void restoreStartDirectory(const PixelkilnState& state);

// Conversions between the compiler's narrow texts and the dialogs' UTF-16 texts.
std::string narrowFromDialogText(std::u16string_view text);
std::u16string dialogTextFromNarrow(std::string_view text);
