// Theme files on disk for the compiler: saved whole or not at all, opened into the working bitmaps.
#include "pixelkiln/theme_files.h"

#include "platform/bitmap.h"
#include "platform/file_replacement.h"
#include "platform/regular_file.h"
#include "theme_format/byte_stream.h"

bool isPieceTheGameLoads(const std::vector<std::uint8_t>& bytes) {
    return Bitmap::fromBmpData(bytes).has_value();
}

bool writeThemeFile(const std::filesystem::path& output, std::string_view narrowName,
                    const NarrowToUtf16& toUtf16,
                    const std::filesystem::path (&sources)[kThemeRecordCount]) {
    std::vector<std::uint8_t> records[kThemeRecordCount];
    for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
        auto bytes = readNativeWholeFile(sources[k], kThemeRecordMaxBytes);
        if (!bytes || !isPieceTheGameLoads(*bytes)) {
            return false;
        }
        records[k] = std::move(*bytes);
    }
    const auto file = themeFileBytes(narrowName, toUtf16, records);
    return file && replaceNativeFile(output, file->data(), file->size());
}

std::optional<OpenedTheme> readThemeFile(const std::filesystem::path& input) {
    const auto bytes = readNativeFileStart(input, kThemeFileMaxBytes);
    if (!bytes) {
        return std::nullopt;
    }
    ByteStream in(*bytes);
    OpenedTheme theme;
    if (!readThemeRecords(in, theme.records)) {
        return std::nullopt;
    }
    auto name = readThemeName(in);
    if (!name) {
        return std::nullopt;
    }
    theme.name = std::move(*name);
    return theme;
}
