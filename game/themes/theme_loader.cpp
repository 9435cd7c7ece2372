// Loading the current theme: its seven records are unpacked into the themes folder and drawn from
// there.
#include "game/themes/theme_loader.h"

#include "game/render/piece_art.h"
#include "game/themes/own_bitmaps.h"
#include "game/themes/theme_settings.h"
#include "platform/device_root.h"
#include "platform/files.h"
#include "platform/text.h"
#include "theme_format/theme_file.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::u16string_view currentThemePath() {
    if (!themeSettings.themePath) {
        return {};
    }
    return fieldText(themeSettings.themePath, kThemePathUnits);
}

// "<install directory>\zorv themes\<k>.bmp", k counting 1 to 7.
std::u16string unpackedPiecePath(std::size_t k) {
    std::u16string path;
    if (themeSettings.installDirectory) {
        path = fieldText(themeSettings.installDirectory, kThemePathUnits);
    }
    path += u"\\zorv themes\\";
    path += static_cast<char16_t>(u'0' + k);
    path += u".bmp";
    return path;
}

// Writes record k of the theme, read from `in`, whole into unpacked piece file k.
bool unpackRecord(std::istream& in, std::size_t k) {
    const auto file = File::createForWriting(unpackedPiecePath(k));
    if (!file) {
        return false;
    }
    std::vector<std::uint8_t> bytes;
    // A record cut short by the end of the file cannot be a whole bitmap.
    if (!readPieceRecord(in, bytes)) {
        return false;
    }
    // An empty record makes an empty file, which then fails to load as a bitmap.
    return bytes.empty() || file->write(bytes.data(), bytes.size()) == bytes.size();
}

// True when the theme file passed its checks and all seven of its pieces are loaded.
bool loadThemeFile(std::u16string_view themePath) {
    const auto path = nativePath(themePath);
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error)) {
        return false;
    }
    std::ifstream in(*path, std::ios::binary);
    if (!in || !checkThemeHeader(in) || !skipThemeName(in)) {
        return false;
    }
    for (std::size_t k = 1; k <= kThemeRecordCount; ++k) {
        if (!unpackRecord(in, k)) {
            return false;
        }
    }
    return loadUnpackedPieces();
}

} // namespace

bool loadUnpackedPieces() {
    bool allLoaded = true;
    for (std::size_t k = 1; k <= pieceArt.pieces.size(); ++k) {
        auto& slot = pieceArt.pieces[k - 1];
        slot.reset();
        slot = Bitmap::loadFile(unpackedPiecePath(k));
        allLoaded = allLoaded && slot.has_value();
    }
    return allLoaded;
}

void loadTheme() {
    loadFixedBitmapsOrEnd();
    const std::u16string_view themePath = currentThemePath();
    if (themePath.empty() || !loadThemeFile(themePath)) {
        useBuiltInPieces();
    }
}
