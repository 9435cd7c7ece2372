// A theme file of seven plain squares, for the tests that load, list and install themes.
#pragma once

#include "theme_file_writer.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

// Writes the theme: seven squares of `side` pixels, piece kind k in colour(k), packed under the
// name; the record `replaced`, if any, holds `replacement` instead of its bitmap. The bitmaps
// are kept as square<k>.bmp in `bitmapFolder` when one is given. Gives whether it was written.
inline bool writeSquaresTheme(const std::filesystem::path& file, std::string_view name,
                              const std::function<QRgb(int)>& colour, int side = 28,
                              int replaced = -1, std::string_view replacement = {},
                              const std::filesystem::path& bitmapFolder = {}) {
    std::filesystem::path sources[kThemeRecordCount];
    bool made = true;
    for (std::size_t kind = 0; kind < kThemeRecordCount; ++kind) {
        sources[kind] =
            bitmapFolder.empty()
                ? std::filesystem::path(file.string() + ".square" + std::to_string(kind))
                : bitmapFolder / ("square" + std::to_string(kind) + ".bmp");
        QImage square(side, side, QImage::Format_RGB32);
        square.fill(colour(int(kind)));
        made = made && square.save(QString::fromStdString(sources[kind].string()), "BMP");
        if (int(kind) == replaced) {
            std::ofstream(sources[kind], std::ios::binary | std::ios::trunc) << replacement;
        }
    }
    const auto widen = [](std::string_view text) {
        return std::u16string(text.begin(), text.end());
    };
    made = made && writeThemeFromFiles(file, name, widen, sources);
    for (const auto& source : sources) {
        if (bitmapFolder.empty()) {
            std::filesystem::remove(source);
        }
    }
    return made;
}

// Piece kind k of the installed squares theme: a hue of its own.
inline QRgb squareColour(int kind) {
    return QColor::fromHsv(kind * 50, 255, 200).rgb();
}

// The squares theme installed in the themes folder of a device root, as the game names it.
constexpr char16_t kInstalledSquaresTheme[] = u"\\my documents\\zorv themes\\Mine.zpk";
inline bool installSquaresTheme(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "my documents" / "zorv themes");
    return writeSquaresTheme(root / "my documents" / "zorv themes" / "Mine.zpk", "Squares",
                             squareColour);
}
