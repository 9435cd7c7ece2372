// The theme writer lays the file out byte for byte and never leaves a half-written theme.
#include "theme_file_fixture.h"

TEST_F(ThemeFileTest, WritesHeaderNameAndSevenRecordsInOrder) {
    ASSERT_TRUE(write("Gems"));
    EXPECT_EQ(readBytes(output()), header() + nameField("Gems") + sevenRecords());
}

TEST_F(ThemeFileTest, NameLengthCountsTwoBytesPerUnitAndTheTerminator) {
    ASSERT_TRUE(write(""));
    const std::string empty = readBytes(output());
    EXPECT_EQ(empty.substr(8, 6), le32(2) + std::string(2, '\0'));
    EXPECT_EQ(empty.substr(14, 4), le32(1)); // record 1's size straight after the name

    ASSERT_TRUE(write("x"));
    EXPECT_EQ(readBytes(output()).substr(8, 4), le32(4));

    const std::string longest(259, 'n');
    ASSERT_TRUE(write(longest));
    const std::string bytes = readBytes(output());
    EXPECT_EQ(bytes.substr(8, 4), le32(520));
    EXPECT_EQ(nameOf(bytes), widen(longest));
    EXPECT_TRUE(loadLikeTheGame(bytes));
}

TEST_F(ThemeFileTest, TooLongANameIsCutToTheNameBufferSoTheFileStillLoads) {
    ASSERT_TRUE(write(std::string(300, 'n')));
    const std::string bytes = readBytes(output());
    EXPECT_EQ(bytes.substr(8, 4), le32(520));
    EXPECT_EQ(nameOf(bytes)->size(), 259u);
    EXPECT_TRUE(loadLikeTheGame(bytes));
}

TEST_F(ThemeFileTest, NameGoesThroughTheCallersConversion) {
    const auto shouting = [](std::string_view text) {
        std::u16string wide = widen(text);
        for (auto& unit : wide) {
            unit = unit == u'\xfc' ? u'\xdc' : unit; // ü -> Ü
        }
        return wide;
    };
    ASSERT_TRUE(writeThemeFromFiles(output(), "gr\xfcn", shouting, sources_));
    EXPECT_EQ(nameOf(readBytes(output())), u"gr\u00dcn");
}

TEST_F(ThemeFileTest, EmptyBitmapGivesARecordOfZeroBytes) {
    writeBytes(sources_[3], "");
    ASSERT_TRUE(write("e"));
    const auto records = loadLikeTheGame(readBytes(output()));
    ASSERT_TRUE(records);
    EXPECT_TRUE((*records)[3].empty());
    EXPECT_EQ((*records)[4], std::vector<std::uint8_t>(5, '5'));
}
