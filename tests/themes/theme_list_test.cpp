// Theme list: what the dialog lists from both folders, and what Done installs and chooses.
#include "theme_list_fixture.h"

TEST_F(ThemeList, ANewThemeIsListedMovedIntoTheThemesFolderChosenAndSaved) {
    writeTheme("my documents/squares.zpk", "Squares");
    const std::string content = readFile("my documents/squares.zpk");
    EXPECT_EQ(chooseLine(1),
              (std::vector<std::u16string>{u"The Zorv (Default)", u"NEW - Squares"}));
    EXPECT_EQ(host.dialogsShown, std::vector<std::u16string>{u"Load Zorv Theme"});
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(fs::exists(root() / "my documents" / "squares.zpk"));
    EXPECT_EQ(readFile("my documents/zorv themes/squares.zpk"), content);
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\squares.zpk");
    EXPECT_EQ(savesCounted, 1);

    EXPECT_EQ(chooseLine(-1), (std::vector<std::u16string>{u"The Zorv (Default)", u"Squares"}));
}

TEST_F(ThemeList, AnUpdatedCopyIsListedBeforeTheInstalledThemeAndOverwritesIt) {
    writeTheme("my documents/zorv themes/squares.zpk", "Squares", "old");
    writeTheme("my documents/Squares.ZPK", "Squares Two", "new");
    writeTheme("my documents/zorv themes/aaa.zpk", "Circles");
    const std::string updated = readFile("my documents/Squares.ZPK");
    EXPECT_EQ(chooseLine(1),
              (std::vector<std::u16string>{u"The Zorv (Default)", u"UPDATED - Squares Two",
                                           u"Circles", u"Squares"}));
    EXPECT_EQ(readFile("my documents/zorv themes/squares.zpk"), updated);
    EXPECT_FALSE(fs::exists(root() / "my documents" / "Squares.ZPK"));
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\Squares.ZPK");
    EXPECT_EQ(savesCounted, 1);
}

TEST_F(ThemeList, ChoosingAnInstalledThemeMovesNothing) {
    writeTheme("my documents/zorv themes/circles.zpk", "Circles");
    chooseLine(1);
    EXPECT_TRUE(fs::exists(root() / "my documents" / "zorv themes" / "circles.zpk"));
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\circles.zpk");
    EXPECT_EQ(savesCounted, 1);
}

TEST_F(ThemeList, DoneWithoutASelectionOrTheCloseBoxKeepsThePath) {
    writeTheme("my documents/squares.zpk", "Squares");
    chooseLine(-1);
    EXPECT_EQ(result, 1);
    chooseLine(1, kDialogCancel);
    EXPECT_EQ(result, kDialogCancel);
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\old.zpk");
    EXPECT_EQ(savesCounted, 0);
    EXPECT_TRUE(fs::exists(root() / "my documents" / "squares.zpk"));
}

TEST_F(ThemeList, TheDefaultEntryClearsThePathWithoutSaving) {
    writeTheme("my documents/squares.zpk", "Squares");
    EXPECT_EQ(chooseLine(0).size(), 2u);
    EXPECT_EQ(path(), u"");
    EXPECT_EQ(savesCounted, 0); // the reload saves it when it falls back to the built-in set
    EXPECT_TRUE(fs::exists(root() / "my documents" / "squares.zpk"));
}

TEST_F(ThemeList, AFailedCopyKeepsTheOnlyCopyInMyDocuments) {
    writeTheme("my documents/squares.zpk", "Squares");
    const std::string content = readFile("my documents/squares.zpk");
    fs::create_directory(root() / "my documents" / "zorv themes" / "squares.zpk");
    chooseLine(1);
    EXPECT_EQ(readFile("my documents/squares.zpk"), content);
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\squares.zpk");
    EXPECT_EQ(savesCounted, 1);
}

TEST_F(ThemeList, OnlyTheDefaultShowsWhenNoFolderHoldsATheme) {
    writeFile("my documents/notes.txt", "not a theme");
    fs::remove_all(root() / "my documents" / "zorv themes");
    EXPECT_EQ(chooseLine(-1), std::vector<std::u16string>{u"The Zorv (Default)"});
}

TEST_F(ThemeList, HostileNamesAreBoundedAndUnreadableOnesListedEmpty) {
    const std::u16string longest(259, u'x');
    writeFile("my documents/a-empty.zpk", rawTheme(0, ""));
    writeFile("my documents/b-longest.zpk", rawTheme(520, utf16le(longest) + std::string(2, '\0')));
    writeFile("my documents/c-short.zpk", rawTheme(200, utf16le(u"Cut")));
    writeFile("my documents/d-huge.zpk", rawTheme(0xFFFFFFFF, utf16le(longest + longest)));
    writeFile("my documents/e-nolength.zpk", std::string("ZPK\0"
                                                         "1.1\0"
                                                         "\1",
                                                         9));
    writeFile("my documents/zorv themes/f-plain.zpk",
              rawTheme(0xFFFFFFFF, utf16le(longest + u"y")));
    writeFile("my documents/Mine.ZPK", rawTheme(8, utf16le(u"Ver") + std::string(2, '\0')));
    const auto lines = chooseLine(-1);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], u"NEW - ");
    EXPECT_EQ(lines[2], u"NEW - " + longest.substr(0, 253));
    EXPECT_EQ(lines[3], u"NEW - Cut");
    EXPECT_EQ(lines[4], u"NEW - " + longest.substr(0, 253));
    EXPECT_EQ(lines[5], u"NEW - ");
    EXPECT_EQ(lines[6], u"NEW - Ver");
    EXPECT_EQ(lines[7], longest);
}

TEST_F(ThemeList, TheScanReadsNamesCutToTheirFieldAndMarksInstalledNames) {
    const std::u16string longest(259, u'x');
    writeFile("my documents/long.zpk", rawTheme(0xFFFFFFFF, utf16le(longest + u"yz")));
    writeFile("my documents/zorv themes/LONG.zpk", rawTheme(2, std::string(2, '\0')));
    writeFile("my documents/missing-name.zpk", "ZPK");
    scanThemes();
    ASSERT_EQ(themeList.size(), 3u);
    EXPECT_EQ(fieldText(themeList[0].fileName), u"long.zpk");
    EXPECT_EQ(fieldText(themeList[0].themeName), longest);
    EXPECT_EQ(themeList[0].themeName[kThemeListUnits - 1], u'\0');
    EXPECT_TRUE(themeList[0].alreadyInstalled);
    EXPECT_EQ(themeListText(themeList[0]), u"UPDATED - " + longest.substr(0, 249));
    EXPECT_EQ(fieldText(themeList[1].themeName), u"");
    EXPECT_FALSE(themeList[1].alreadyInstalled);
    EXPECT_TRUE(themeList[2].inThemesFolder);
    EXPECT_EQ(themeListText(themeList[2]), u"");
    scanThemes();
    EXPECT_EQ(themeList.size(), 3u); // a rescan replaces the list
    freeThemeList(themeList);
    EXPECT_TRUE(themeList.empty());

    char16_t name[kThemeListUnits];
    EXPECT_FALSE(readListedThemeName(name, u"gone.zpk", false));
    EXPECT_EQ(name[0], u'\0');
}

TEST_F(ThemeList, TheTemplateEndsInTheOkButtonThatStandsForDone) {
    const DialogTemplate dialog = themeListDialogTemplate();
    EXPECT_EQ(dialog.id, 106);
    ASSERT_EQ(dialog.controls.size(), 2u);
    EXPECT_EQ(dialog.controls[0].id, 1005);
    EXPECT_EQ(dialog.controls[0].kind, ControlKind::ListBox);
    const ControlTemplate& ok = dialog.controls[1];
    EXPECT_EQ(ok.id, 1);
    EXPECT_EQ(ok.kind, ControlKind::DefaultButton);
    EXPECT_EQ(ok.text, u"OK");
    EXPECT_GT(ok.rect.y, dialog.controls[0].rect.y + dialog.controls[0].rect.height);
    EXPECT_EQ(ok.rect.y + ok.rect.height + 7, dialog.height);
}
