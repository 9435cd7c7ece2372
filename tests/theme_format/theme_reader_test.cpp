// The readers: the loader's strict checks, the list's forgiving name, and damaged files.
#include "theme_file_fixture.h"

TEST_F(ThemeFileTest, WrittenThemeLoadsItsSevenBitmapsWhole) {
    ASSERT_TRUE(write("Gems"));
    const auto records = loadLikeTheGame(readBytes(output()));
    ASSERT_TRUE(records);
    for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
        EXPECT_EQ((*records)[k], std::vector<std::uint8_t>(k + 1, std::uint8_t('1' + k)));
    }
}

TEST_F(ThemeFileTest, HeaderMustMatchAllEightBytes) {
    const std::string body = nameField("Gems") + sevenRecords();
    EXPECT_TRUE(loadLikeTheGame(header() + body));
    EXPECT_FALSE(loadLikeTheGame(std::string("ZPKX"
                                             "1.1\0",
                                             8) +
                                 body));
    EXPECT_FALSE(loadLikeTheGame(std::string("ZPK\0"
                                             "1.2\0",
                                             8) +
                                 body));
    EXPECT_FALSE(loadLikeTheGame(std::string("ZPK\0"
                                             "1.1x",
                                             8) +
                                 body));
    EXPECT_FALSE(loadLikeTheGame(std::string("zpk\0"
                                             "1.1\0",
                                             8) +
                                 body));
}

TEST_F(ThemeFileTest, ListShowsTheNameWhateverTheHeaderSays) {
    EXPECT_EQ(nameOf(std::string("ABCD"
                                 "9.9\0",
                                 8) +
                     nameField("Other") + sevenRecords()),
              u"Other");
}

TEST_F(ThemeFileTest, BytesAfterTheSeventhRecordChangeNothing) {
    const std::string bytes = header() + nameField("Gems") + sevenRecords();
    EXPECT_EQ(loadLikeTheGame(bytes + "trailing garbage" + le32(0xffffffff)),
              loadLikeTheGame(bytes));
}

TEST_F(ThemeFileTest, NameLongerThanItsBufferIsRefusedByTheLoaderAndCutForTheList) {
    std::string name = le32(600);
    for (int unit = 0; unit < 300; ++unit) {
        name += std::string("n\0", 2);
    }
    const std::string bytes = header() + name + sevenRecords();
    EXPECT_FALSE(loadLikeTheGame(bytes));
    EXPECT_EQ(nameOf(bytes), std::u16string(259, u'n'));
}

TEST_F(ThemeFileTest, NameWithoutTerminatorGivesWhatItHolds) {
    const std::string bytes = header() + le32(6) + std::string("a\0b\0c\0", 6) + sevenRecords();
    EXPECT_EQ(nameOf(bytes), u"abc");
    EXPECT_TRUE(loadLikeTheGame(bytes)); // the loader steps over the name without reading it
}

TEST_F(ThemeFileTest, RecordSizeBeyondTheFileFailsWithoutAllocating) {
    const std::string start = header() + nameField("g");
    std::istringstream huge(start + le32(0xffffffff) + "tiny");
    ASSERT_TRUE(checkThemeHeader(huge) && skipThemeName(huge));
    std::vector<std::uint8_t> record{1, 2, 3};
    EXPECT_FALSE(readPieceRecord(huge, record));
    EXPECT_TRUE(record.empty());

    std::istringstream oneShort(start + le32(5) + "four");
    ASSERT_TRUE(checkThemeHeader(oneShort) && skipThemeName(oneShort));
    EXPECT_FALSE(readPieceRecord(oneShort, record));
}

TEST_F(ThemeFileTest, NameLengthBeyondTheFileFailsTheLoader) {
    EXPECT_FALSE(loadLikeTheGame(header() + le32(400) + std::string(100, 'n')));
}

TEST_F(ThemeFileTest, FileCutAtAnyByteGivesACleanOutcome) {
    const std::string whole = header() + nameField("Gems") + sevenRecords();
    const std::size_t nameEnd = 12 + 10;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const std::string cut = whole.substr(0, length);
        EXPECT_EQ(loadLikeTheGame(cut).has_value(), length == whole.size()) << length;
        const auto name = nameOf(cut);
        EXPECT_EQ(name.has_value(), length >= 12) << length;
        if (length >= nameEnd - 2) {
            EXPECT_EQ(name, u"Gems") << length;
        } else if (name) {
            EXPECT_EQ(name, std::u16string(u"Gems").substr(0, (length - 12) / 2)) << length;
        }
    }
}
