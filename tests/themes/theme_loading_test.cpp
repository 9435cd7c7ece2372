// Theme loading: the current theme's pieces, or the built-in set, and every fall-back saved.
#include "device_root_fixture.h"
#include "game/render/piece_art.h"
#include "game/resources/game_resources.h"
#include "game/shell/install_directory.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_state.h"
#include "game/themes/theme_loader.h"
#include "game/themes/theme_settings.h"
#include "platform/text.h"
#include "theme_file_writer.h"
#include "theme_format/theme_file.h"

#include <QColor>
#include <QImage>

namespace fs = std::filesystem;

namespace {

constexpr int kBuiltInIds[7] = {121, 116, 117, 118, 119, 120, 115};

QImage ownBitmap(int id) {
    initGameResources();
    return QImage(bitmapResourcePath(id)).convertToFormat(QImage::Format_RGB32);
}

QRgb themeColour(int kind) {
    return qRgb(10 + 30 * kind, 200 - 20 * kind, 40);
}

bool holdsBuiltInSet() {
    for (int kind = 0; kind < 7; ++kind) {
        if (!pieceArt.pieces[kind] ||
            pieceArt.pieces[kind]->image() != ownBitmap(kBuiltInIds[kind]))
            return false;
    }
    return true;
}

bool holdsThemeColours() {
    for (int kind = 0; kind < 7; ++kind) {
        if (!pieceArt.pieces[kind] ||
            pieceArt.pieces[kind]->image().pixel(5, 5) != themeColour(kind))
            return false;
    }
    return true;
}

} // namespace

class ThemeLoading : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        fs::create_directories(root() / "my documents" / "zorv themes");
        readInstallDirectory();
        preferences = Preferences{};
        themeSettings = {preferences.themePath, shell.installDirectory, &savePreferences};
        pieceArt = PieceArt{};
    }

    // A theme of seven plain 28 by 28 squares, piece kind k in themeColour(k); `replace` swaps
    // the bytes of one record for others.
    fs::path writeTheme(const std::string& name, int replaced = -1, const std::string& bytes = {}) {
        fs::path sources[kThemeRecordCount];
        for (int kind = 0; kind < 7; ++kind) {
            sources[kind] = root() / ("source" + std::to_string(kind) + ".bmp");
            QImage square(28, 28, QImage::Format_RGB32);
            square.fill(themeColour(kind));
            square.save(QString::fromStdString(sources[kind].string()), "BMP");
            if (kind == replaced) {
                writeFile(sources[kind].filename(), bytes);
            }
        }
        const auto output = root() / "my documents" / name;
        const auto identity = [](std::string_view text) { return utf16FromUtf8(text); };
        EXPECT_TRUE(writeThemeFromFiles(output, "Squares", identity, sources));
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
};

TEST_F(ThemeLoading, AnEmptyThemePathGivesTheBuiltInSetAndWritesThePreferences) {
    ASSERT_FALSE(fs::exists(root() / "my documents" / "zorv.prf"));
    loadTheme();
    expectBuiltInSetSaved();
    EXPECT_EQ(pieceArt.selectionFrame->image(), ownBitmap(107));
    EXPECT_EQ(pieceArt.hintFrame->image(), ownBitmap(122));
    EXPECT_EQ(pieceArt.sparkles[0]->image(), ownBitmap(114));
    EXPECT_EQ(pieceArt.sparkles[1]->image(), ownBitmap(113));
    EXPECT_EQ(pieceArt.sparkles[2]->image(), ownBitmap(112));
}

TEST_F(ThemeLoading, AThemeIsUnpackedIntoTheThemesFolderAndDrawnFromThere) {
    writeTheme("Squares.zpk");
    chooseTheme(u"\\my documents\\SQUARES.ZPK");
    loadTheme();
    EXPECT_TRUE(holdsThemeColours());
    EXPECT_EQ(fieldText(preferences.themePath), u"\\my documents\\SQUARES.ZPK");
    EXPECT_EQ(savedThemePath(), u"\\my documents\\SQUARES.ZPK");
    for (int k = 1; k <= 7; ++k) {
        const auto unpacked = "my documents/zorv themes/" + std::to_string(k) + ".bmp";
        EXPECT_EQ(readFile(unpacked), readFile("source" + std::to_string(k - 1) + ".bmp"));
    }
}

TEST_F(ThemeLoading, LoadingTheSameThemeAgainRewritesTheUnpackedFiles) {
    writeTheme("squares.zpk");
    chooseTheme(u"\\my documents\\squares.zpk");
    loadTheme();
    writeFile("my documents/zorv themes/3.bmp", "scribbled over");
    loadTheme();
    EXPECT_EQ(readFile("my documents/zorv themes/3.bmp"), readFile("source2.bmp"));
    EXPECT_TRUE(holdsThemeColours());
}

TEST_F(ThemeLoading, AThemePathWhoseFileIsGoneFallsBackAndIsCleared) {
    const auto theme = writeTheme("squares.zpk");
    chooseTheme(u"\\my documents\\squares.zpk");
    loadTheme();
    fs::remove(theme);
    loadTheme();
    expectBuiltInSetSaved();
}

TEST_F(ThemeLoading, AThemeOfAnotherVersionOrMagicOrTooShortForItsHeaderIsRefused) {
    const auto theme = writeTheme("squares.zpk");
    const std::string whole = readFile(theme.lexically_relative(root()));
    const std::string headers[] = {std::string("ZPK") + '\0' + "1.2" + '\0',
                                   std::string("ZPKx1.1") + '\0'};
    for (const std::string& header : headers) {
        writeFile("my documents/squares.zpk", header + whole.substr(8));
        chooseTheme(u"\\my documents\\squares.zpk");
        loadTheme();
        expectBuiltInSetSaved();
    }
    writeFile("my documents/squares.zpk", "ZPK");
    chooseTheme(u"\\my documents\\squares.zpk");
    loadTheme();
    expectBuiltInSetSaved();
}

TEST_F(ThemeLoading, WithoutAThemesFolderTheBuiltInSetIsUsed) {
    writeTheme("squares.zpk");
    fs::remove_all(root() / "my documents" / "zorv themes");
    chooseTheme(u"\\my documents\\squares.zpk");
    loadTheme();
    expectBuiltInSetSaved();
    EXPECT_FALSE(fs::exists(root() / "my documents" / "zorv themes"));
}

TEST_F(ThemeLoading, OneRecordThatIsNotABitmapGivesTheBuiltInSetForAllSeven) {
    for (int replaced : {0, 3, 6}) {
        writeTheme("squares.zpk", replaced, "not a bitmap at all");
        chooseTheme(u"\\my documents\\squares.zpk");
        loadTheme();
        expectBuiltInSetSaved();
    }
}

TEST_F(ThemeLoading, AnEmptyRecordOrOneCutShortGivesTheBuiltInSet) {
    writeTheme("empty.zpk", 4, "");
    chooseTheme(u"\\my documents\\empty.zpk");
    loadTheme();
    expectBuiltInSetSaved();

    const auto theme = writeTheme("cut.zpk");
    const std::string whole = readFile(theme.lexically_relative(root()));
    writeFile("my documents/cut.zpk", whole.substr(0, whole.size() - 100));
    chooseTheme(u"\\my documents\\cut.zpk");
    loadTheme();
    expectBuiltInSetSaved();
}

TEST_F(ThemeLoading, AFolderOrAPathLeavingTheDeviceIsNoTheme) {
    for (std::u16string_view path : {u"\\my documents\\zorv themes", u"\\..\\..\\etc\\passwd"}) {
        chooseTheme(path);
        loadTheme();
        expectBuiltInSetSaved();
    }
}

TEST_F(ThemeLoading, AFullThemePathFieldWithoutTerminatorIsReadWithinTheField) {
    std::fill(std::begin(preferences.themePath), std::end(preferences.themePath), u'x');
    loadTheme();
    expectBuiltInSetSaved();
}
