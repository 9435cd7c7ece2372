// Game → Load Theme...: the list, the installed theme, and the board drawn with its pieces.
#include "game/themes/theme_list_dialog.h"
#include "game/themes/theme_loader.h"
#include "platform/text.h"
#include "shell_fixture.h"
#include "squares_theme.h"
#include "theme_format/theme_file.h"

#include <QColor>

namespace {

class LoadThemeCommand : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(root() / "my documents" / "zorv themes");
        loadTheme(game.pieceArt, themeSettings(game));
    }
    // A theme of seven plain squares, piece kind k in the colour of `colours[k]`.
    static void writeTheme(const std::filesystem::path& file) {
        const Qt::GlobalColor colours[7] = {Qt::red,     Qt::green,  Qt::blue,   Qt::cyan,
                                            Qt::magenta, Qt::yellow, Qt::darkRed};
        ASSERT_TRUE(writeSquaresTheme(file, "Squares",
                                      [&](int kind) { return QColor(colours[kind]).rgb(); }));
    }
    QRgb pieceColour(int kind) const {
        return game.pieceArt.pieces[std::size_t(kind)]->image().pixel(14, 14) & 0xFFFFFF;
    }
};

TEST_F(LoadThemeCommand, ANewThemeIsInstalledAndItsPiecesAreDrawn) {
    writeTheme(root() / "my documents" / "Squares.zpk");
    dialogs.playDialog([](ScriptedDialog& list) {
        list.selectListItem(kThemeListBoxId, 1);
        list.pressEnter();
    });
    window.command(kCommandLoadTheme);

    EXPECT_EQ(dialogs.dialogsShown, std::vector<std::u16string>{u"Load Zorv Theme"});
    EXPECT_EQ(std::u16string(preferences.themePath), u"\\my documents\\zorv themes\\Squares.zpk");
    EXPECT_TRUE(std::filesystem::exists(root() / "my documents" / "zorv themes" / "Squares.zpk"));
    EXPECT_FALSE(std::filesystem::exists(root() / "my documents" / "Squares.zpk"));
    EXPECT_EQ(pieceColour(0), 0xFF0000u);
    EXPECT_EQ(pieceColour(2), 0x0000FFu);
    // The game goes on without waiting for an activation.
    EXPECT_TRUE(clock.running);
    EXPECT_TRUE(window.frames);
}

TEST_F(LoadThemeCommand, TheDefaultEntryBringsTheBuiltInPiecesBack) {
    writeTheme(root() / "my documents" / "zorv themes" / "Squares.zpk");
    setFieldText(preferences.themePath, u"\\my documents\\zorv themes\\Squares.zpk");
    loadTheme(game.pieceArt, themeSettings(game));
    ASSERT_EQ(pieceColour(0), 0xFF0000u);

    dialogs.playDialog([](ScriptedDialog& list) {
        list.selectListItem(kThemeListBoxId, 0);
        list.pressEnter();
    });
    window.command(kCommandLoadTheme);
    EXPECT_EQ(std::u16string(preferences.themePath), u"");
    EXPECT_NE(pieceColour(0), 0xFF0000u);
    // The reload saved the cleared path.
    EXPECT_EQ(readFile("my documents/zorv.prf").substr(12, 2), std::string("\0\0", 2));
}

} // namespace
