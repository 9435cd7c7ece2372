// Theme files on disk for the compiler: saved whole or not at all, opened into the working bitmaps.
#pragma once

#include "theme_format/theme_file.h"

#include <filesystem>
#include <optional>
#include <string>

// Whether the game would load these bytes as a piece: a bitmap it decodes, within its bounds on
// bytes and pixels. A theme holding any other record makes the game use its built-in pieces.
bool isPieceTheGameLoads(const std::vector<std::uint8_t>& bytes);

// Writes a theme file of the name and the seven bitmap files of `sources`, record 1 first. The
// old file is replaced only once the new one is complete on disk, so a failed save leaves it as
// it was. Fails when a source is not a readable regular file of at most kThemeRecordMaxBytes
// holding a bitmap the game loads as a piece, or the output cannot be written.
bool writeThemeFile(const std::filesystem::path& output, std::string_view narrowName,
                    const NarrowToUtf16& toUtf16,
                    const std::filesystem::path (&sources)[kThemeRecordCount]);

struct OpenedTheme {
    std::u16string name;
    std::vector<std::uint8_t> records[kThemeRecordCount];
};

// Reads a whole theme file as the compiler's Open checks it: the header, the name and all seven
// records. Nothing when the file is not a regular file, has another header or is cut short.
std::optional<OpenedTheme> readThemeFile(const std::filesystem::path& input);
