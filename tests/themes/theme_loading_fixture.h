// Theme loading tests' scene: a device root, theme files of plain squares, the built-in set.
#pragma once

#include "device_root_fixture.h"
#include "game/render/piece_art.h"
#include "game/resources/game_resources.h"
#include "game/shell/install_directory.h"
#include "game/shell/preferences.h"
#include "game/themes/theme_loader.h"
#include "game/themes/theme_settings.h"
#include "platform/text.h"
#include "squares_theme.h"
#include "theme_format/theme_file.h"

#include <QColor>
#include <QImage>

namespace fs = std::filesystem;

inline constexpr int kBuiltInIds[7] = {121, 116, 117, 118, 119, 120, 115};

inline QImage ownBitmap(int id) {
    initGameResources();
    return QImage(bitmapResourcePath(id)).convertToFormat(QImage::Format_RGB32);
}

inline QRgb themeColour(int kind) {
    return qRgb(10 + 30 * kind, 200 - 20 * kind, 40);
}

class ThemeLoading : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        fs::create_directories(root() / "my documents" / "zorv themes");
        readInstallDirectory(installDirectory);
    }

    void loadTheme() { ::loadTheme(pieceArt, themeSettings); }
    void savePreferences() {
        ::savePreferences(preferences, installPath(installDirectory, u"zorv.prf"));
    }

    bool holdsBuiltInSet() const {
        for (int kind = 0; kind < 7; ++kind) {
            if (!pieceArt.pieces[kind] ||
                pieceArt.pieces[kind]->image() != ownBitmap(kBuiltInIds[kind]))
                return false;
        }
        return true;
    }
    bool holdsThemeColours() const {
        for (int kind = 0; kind < 7; ++kind) {
            if (!pieceArt.pieces[kind] ||
                pieceArt.pieces[kind]->image().pixel(5, 5) != themeColour(kind))
                return false;
        }
        return true;
    }

    // A theme of seven plain 28 by 28 squares, piece kind k in themeColour(k); `replaced` swaps
    // the bytes of one record for others.
    fs::path writeTheme(const std::string& name, int replaced = -1, const std::string& bytes = {}) {
        const auto output = root() / "my documents" / name;
        EXPECT_TRUE(writeSquaresTheme(output, "Squares", themeColour, 28, replaced, bytes, root()));
        return output;
    }

    void chooseTheme(std::u16string_view handheldPath) {
        setFieldText(preferences.themePath, handheldPath);
        savePreferences();
    }

    // The theme path as the preferences file holds it.
    std::u16string savedThemePath() const {
        const std::string bytes = readFile("my documents/zorv.prf");
        std::u16string path;
        for (std::size_t at = 12; at + 1 < bytes.size() && at < 12 + 520; at += 2) {
            const auto unit = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                                    static_cast<std::uint8_t>(bytes[at + 1]) << 8);
            if (unit == 0)
                break;
            path += unit;
        }
        return path;
    }

    void expectBuiltInSetSaved() const {
        EXPECT_TRUE(holdsBuiltInSet());
        EXPECT_EQ(preferences.themePath[0], u'\0');
        EXPECT_EQ(readFile("my documents/zorv.prf").size(), kPreferencesBytes);
        EXPECT_EQ(savedThemePath(), u"");
    }

    char16_t installDirectory[kPathUnits] = {};
    Preferences preferences;
    PieceArt pieceArt;
    ThemeSettings themeSettings{preferences.themePath, installDirectory,
                                [this] { savePreferences(); }};
};
