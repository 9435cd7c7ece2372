// Theme loading: the current theme's pieces, or the built-in set, and every fall-back saved.
#include "theme_loading_fixture.h"

TEST_F(ThemeLoading, AnEmptyThemePathGivesTheBuiltInSetAndWritesThePreferences) {
    ASSERT_FALSE(fs::exists(root() / "my documents" / "zorv.prf"));
    loadTheme();
    expectBuiltInSetSaved();
    EXPECT_EQ(pieceArt.selectionMarker->image(), ownBitmap(107));
    EXPECT_EQ(pieceArt.hintMarker->image(), ownBitmap(122));
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
        EXPECT_EQ(readFile(unpacked), readFile("square" + std::to_string(k - 1) + ".bmp"));
    }
}

TEST_F(ThemeLoading, LoadingTheSameThemeAgainRewritesTheUnpackedFiles) {
    writeTheme("squares.zpk");
    chooseTheme(u"\\my documents\\squares.zpk");
    loadTheme();
    writeFile("my documents/zorv themes/3.bmp", "scribbled over");
    loadTheme();
    EXPECT_EQ(readFile("my documents/zorv themes/3.bmp"), readFile("square2.bmp"));
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
