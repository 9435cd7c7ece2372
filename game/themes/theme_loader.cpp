// Loading the current theme: its seven records are unpacked into the themes folder and drawn from
// there.
#include "game/themes/theme_loader.h"

#include "game/themes/own_bitmaps.h"
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

std::u16string_view currentThemePath(const ThemeSettings& settings) {
    if (!settings.themePath) {
        return {};
    }
    return fieldText(settings.themePath, kThemePathUnits);
}

// "<install directory>\zorv themes\<k>.bmp", k counting 1 to 7.
std::u16string unpackedPiecePath(const ThemeSettings& settings, std::size_t k) {
    std::u16string path;
    if (settings.installDirectory) {
        path = fieldText(settings.installDirectory, kThemePathUnits);
    }
    path += u"\\zorv themes\\";
    path += static_cast<char16_t>(u'0' + k);
    path += u".bmp";
    return path;
}

// True when the theme file passed its checks and all seven of its pieces are loaded. Every
// record is checked whole, and no larger than a bitmap the loader accepts, before the first
// unpacked piece file is replaced; the seven are then replaced all or none.
bool loadThemeFile(PieceArt& art, const ThemeSettings& settings, std::u16string_view themePath) {
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
        targets[k - 1] = unpackedPiecePath(settings, k);
    }
    // An empty record makes an empty file, which then fails to load as a bitmap.
    return replaceFiles(targets, records) && loadUnpackedPieces(art, settings);
}

} // namespace

bool loadUnpackedPieces(PieceArt& art, const ThemeSettings& settings) {
    bool allLoaded = true;
    for (std::size_t k = 1; k <= art.pieces.size(); ++k) {
        auto& slot = art.pieces[k - 1];
        slot.reset();
        slot = Bitmap::loadFile(unpackedPiecePath(settings, k));
        allLoaded = allLoaded && slot.has_value();
    }
    return allLoaded;
}

void loadTheme(PieceArt& art, const ThemeSettings& settings) {
    loadFixedBitmapsOrEnd(art);
    const std::u16string_view themePath = currentThemePath(settings);
    if (themePath.empty() || !loadThemeFile(art, settings, themePath)) {
        useBuiltInPieces(art, settings);
    }
}
