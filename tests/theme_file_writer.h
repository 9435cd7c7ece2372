// Writes theme files for tests from bitmap files, with plain streams and the format's own layout.
#pragma once

#include "theme_format/theme_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

inline bool writeThemeFromFiles(const std::filesystem::path& output, std::string_view name,
                                const NarrowToUtf16& toUtf16,
                                const std::filesystem::path (&sources)[kThemeRecordCount]) {
    std::vector<std::uint8_t> records[kThemeRecordCount];
    for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
        std::ifstream in(sources[k], std::ios::binary);
        if (!in) {
            return false;
        }
        records[k].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto bytes = themeFileBytes(name, toUtf16, records);
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    return bytes && out.write(reinterpret_cast<const char*>(bytes->data()),
                              static_cast<std::streamsize>(bytes->size()));
}
