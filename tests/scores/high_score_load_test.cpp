// Loading the high-score file: missing, every size it may have, legacy conversion, damage.
#include "high_score_fixture.h"

TEST_F(HighScoreTest, MissingFileIsWrittenWithDefaultEntriesSilently) {
    load();
    EXPECT_TRUE(shell_.boxes.empty());
    const std::string expected = tableFile("No name", u"qdwnh");
    ASSERT_EQ(expected.size(), 3060u);
    EXPECT_EQ(tableOnDisk(), expected);
    EXPECT_EQ(nameAt(2, 9), u"No name");
    EXPECT_EQ(entryPassword(0, 0), u"qdwnh");
}

TEST_F(HighScoreTest, DefaultPasswordDoesNotDecodeSoEveryPositiveScoreIsAHighScore) {
    load();
    EXPECT_EQ(entryScore(0, 9), 0u);
    EXPECT_FALSE(isHighScore(0, 0));
    EXPECT_TRUE(isHighScore(0, 1));
}

TEST_F(HighScoreTest, FileTooSmallIsToldAndReplacedByDefaults) {
    for (const std::size_t size : {0u, 1u, 2519u}) {
        shell_.boxes.clear();
        writeTableFile(std::string(size, 'x'));
        load();
        EXPECT_EQ(shell_.boxes, (std::vector<ShownBox>{{u"bad size", u"H"}})) << size;
        EXPECT_EQ(tableOnDisk(), tableFile("No name", u"qdwnh")) << size;
    }
}

TEST_F(HighScoreTest, FullSizeFileLoadsFromItsFirst3060Bytes) {
    std::string file = rankedFile();
    load(); // the defaults first, so that loading the file visibly replaces them
    writeTableFile(file + std::string(940, '\x7f'));
    load();
    EXPECT_TRUE(shell_.boxes.empty());
    EXPECT_EQ(nameAt(1, 3), u"p3");
    EXPECT_EQ(entryScore(1, 3), 700u);
    EXPECT_EQ(tableOnDisk().size(), 4000u); // loading never rewrites a good file
}

TEST_F(HighScoreTest, FieldsWithoutTerminatorEndInsideTheirField) {
    std::string file = rankedFile();
    file.replace(0, 62, std::string(62, 'x')); // 31 units of U+7878
    file.replace(62, 40, std::string(40, 'b'));
    writeTableFile(file);
    load();
    EXPECT_EQ(nameAt(0, 0), std::u16string(30, u'\x7878'));
    EXPECT_EQ(entryPassword(0, 0).size(), 19u);
    EXPECT_EQ(entryScore(0, 0), 0u);
}

namespace {

// 0x12345678 on Normal (tag 5) and 0x00000100 on Easy (tag 5), built from the legacy layout.
const std::string kLegacyBig = "DixU9etQ5%";
const std::string kLegacySmall = "faqP4aqO4$";

} // namespace

class LegacyFileTest : public HighScoreTest {
  protected:
    std::string legacyFile() {
        std::string bytes;
        for (int record = 0; record < 30; ++record) {
            const std::string password = record == 0   ? kLegacyBig
                                         : record == 1 ? "not legacy"
                                                       : kLegacySmall;
            bytes += field("old" + std::to_string(record), 31) + field(password, 11);
        }
        return bytes;
    }
};

TEST_F(LegacyFileTest, HandBuiltVectorsAreLegacyPasswords) {
    PasswordContent content;
    ASSERT_TRUE(decodeLegacyPassword(wide(kLegacySmall), content));
    EXPECT_EQ(content.score, 0x100u);
    EXPECT_EQ(content.level, 0);
}

TEST_F(LegacyFileTest, ConvertedTableKeepsNamesAndScoresWithNewPasswords) {
    const std::string legacy = legacyFile();
    ASSERT_EQ(legacy.size(), 2520u);
    writeTableFile(legacy);
    load();
    EXPECT_TRUE(shell_.boxes.empty());
    EXPECT_EQ(nameAt(0, 0), u"old0");
    EXPECT_EQ(entryScore(0, 0), 0x12345678u);
    EXPECT_EQ(nameAt(2, 9), u"old29");
    EXPECT_EQ(entryScore(2, 9), 0x100u);
    PasswordContent content;
    ASSERT_TRUE(decodePassword(entryPassword(0, 0), content));
    EXPECT_EQ(content.level, 1); // the level it names, though the entry stays on Easy
    EXPECT_EQ(content.tag, 5);
    EXPECT_EQ(tableOnDisk(), legacy);
}

TEST_F(LegacyFileTest, UndecodableLegacyRecordScoresZeroOnItsOwnLevel) {
    writeTableFile(legacyFile());
    load();
    EXPECT_EQ(nameAt(0, 1), u"old1");
    PasswordContent content;
    ASSERT_TRUE(decodePassword(entryPassword(0, 1), content));
    EXPECT_EQ(content.score, 0u);
    EXPECT_EQ(content.level, 0);
}

TEST_F(LegacyFileTest, EachStartConvertsAgainWithFreshPasswords) {
    writeTableFile(legacyFile() + std::string(539, '\0')); // 3059 bytes: still legacy
    load();
    const std::u16string first = entryPassword(0, 0);
    load();
    EXPECT_EQ(entryScore(0, 0), 0x12345678u);
    EXPECT_NE(entryPassword(0, 0), first);
}

TEST_F(HighScoreTest, DefaultFileThatCannotBeWrittenEndsTheProgram) {
    std::filesystem::remove_all(root() / "my documents"); // no folder to write it in
    load();
    EXPECT_EQ(shell_.boxes, (std::vector<ShownBox>{
                                {u"There is an error in the high score file.", u"Fatal Error"}}));
    EXPECT_EQ(shell_.endings, std::vector<int>{0});
}
