// Loading the current theme: its seven records are unpacked into the themes folder and drawn from
// there.
#include "game/themes/theme_loader.h"

#include "game/render/piece_art.h"
#include "game/themes/own_bitmaps.h"
#include "game/themes/theme_settings.h"
#include "platform/bitmap.h"
#include "platform/files.h"
#include "platform/text.h"
#include "theme_format/byte_stream.h"
#include "theme_format/theme_file.h"

#include <cstdint>
#include <string>
#include <vector>

// A record larger than the bitmap loader reads could never load; it is refused unread.
static_assert(kThemeRecordMaxBytes <= kMaxBitmapFileBytes);

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

// True when the theme file passed its checks and all seven of its pieces are loaded. Every
// record is checked whole, and no larger than a bitmap the loader accepts, before the first
// unpacked piece file is replaced; the seven are then replaced all or none.
bool loadThemeFile(std::u16string_view themePath) {
    auto bytes = readFileStart(themePath, kThemeFileMaxBytes);
    if (!bytes) {
        return false;
    }
    std::vector<std::uint8_t> records[kThemeRecordCount];
    {
        ByteStream in(*bytes);
        if (!readThemeRecords(in, records)) {
            return false;
        }
    }
    bytes.reset();
    std::u16string targets[kThemeRecordCount];
    for (std::size_t k = 1; k <= kThemeRecordCount; ++k) {
        targets[k - 1] = unpackedPiecePath(k);
    }
    // An empty record makes an empty file, which then fails to load as a bitmap.
    return replaceFiles(targets, records) && loadUnpackedPieces();
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
