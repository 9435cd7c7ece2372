// Adding a high score: where it goes, what it pushes out, what is refused, and failed saves.
#include "high_score_fixture.h"

class InsertTest : public HighScoreTest {
  protected:
    void SetUp() override {
        HighScoreTest::SetUp();
        writeTableFile(rankedFile());
        load();
    }
    std::vector<std::u16string> namesOfNormal() const {
        std::vector<std::u16string> names;
        for (int place = 0; place < 10; ++place) {
            names.push_back(nameAt(1, place));
        }
        return names;
    }
};

TEST_F(InsertTest, TenthPlaceMustBeBeaten) {
    EXPECT_FALSE(isHighScore(1, 100));
    EXPECT_TRUE(isHighScore(1, 101));
}

TEST_F(InsertTest, EqualScoresStayAheadAndTheLastPlaceDropsOut) {
    ASSERT_TRUE(addHighScore(u"new", encodePassword(700, 5, 1)));
    EXPECT_EQ(namesOfNormal(), (std::vector<std::u16string>{u"p0", u"p1", u"p2", u"p3", u"new",
                                                            u"p4", u"p5", u"p6", u"p7", u"p8"}));
    EXPECT_EQ(entryScore(1, 4), 700u);
    EXPECT_EQ(tableOnDisk().substr(14 * 102, 6), std::string("n\0e\0w\0", 6));
}

TEST_F(InsertTest, NewBestGoesToTheTop) {
    ASSERT_TRUE(addHighScore(u"best", encodePassword(4294967295u, 5, 1)));
    EXPECT_EQ(nameAt(1, 0), u"best");
    EXPECT_EQ(nameAt(1, 1), u"p0");
    EXPECT_EQ(nameAt(1, 9), u"p8");
    EXPECT_EQ(entryScore(1, 0), 4294967295u);
}

TEST_F(InsertTest, PasswordChoosesTheLevel) {
    ASSERT_TRUE(addHighScore(u"expert", encodePassword(5, 5, 2)));
    EXPECT_EQ(nameAt(2, 0), u"expert");
    EXPECT_EQ(nameAt(2, 1), u"No name");
    EXPECT_EQ(nameAt(0, 0), u"No name");
}

TEST_F(InsertTest, ScoreThatPlacesNowhereChangesNothingButIsSaved) {
    std::filesystem::remove(root() / "my documents" / "high.scr");
    ASSERT_TRUE(addHighScore(u"low", encodePassword(50, 5, 1)));
    EXPECT_EQ(namesOfNormal().back(), u"p9");
    EXPECT_EQ(tableOnDisk(), rankedFile());
}

TEST_F(InsertTest, UndecodableEntryCountsAsZero) {
    highScores.table.entries[1][5].password[0] = u' ';
    ASSERT_TRUE(addHighScore(u"one", encodePassword(1, 5, 1)));
    EXPECT_EQ(nameAt(1, 5), u"one");
    EXPECT_EQ(nameAt(1, 6), u"p5");
}

namespace {

// A password with extra symbols before its checksum, which decoding does not examine.
std::u16string padded(std::u16string password, std::size_t extra) {
    password.pop_back();
    password.append(extra, u'a');
    CodecState state;
    password += symbolOf(checksumValue(password, password.size()), state);
    return password;
}

} // namespace

TEST_F(InsertTest, RefusedPasswordsChangeNothingAndSaveNothing) {
    std::filesystem::remove(root() / "my documents" / "high.scr");
    const std::u16string tooLong = padded(encodePassword(999999, 5, 1, 0), 10);
    ASSERT_EQ(tooLong.size(), 20u);
    PasswordContent content;
    ASSERT_TRUE(decodePassword(tooLong, content));
    ASSERT_TRUE(isHighScore(1, content.score));

    EXPECT_FALSE(addHighScore(u"long", tooLong));
    EXPECT_FALSE(addHighScore(u"typo", u"d7f8!dp"));
    EXPECT_FALSE(addHighScore(u"zero", std::u16string(u"d7f8!d\0o", 8)));
    EXPECT_EQ(namesOfNormal().front(), u"p0");
    EXPECT_FALSE(std::filesystem::exists(root() / "my documents" / "high.scr"));
}

TEST_F(InsertTest, NineteenSymbolsStillFit) {
    ASSERT_TRUE(addHighScore(u"fits", padded(encodePassword(999999, 5, 1, 0), 9)));
    EXPECT_EQ(nameAt(1, 0), u"fits");
    EXPECT_EQ(entryPassword(1, 0).size(), 19u);
}

TEST_F(InsertTest, LongNameIsCutToThirtyCharacters) {
    ASSERT_TRUE(addHighScore(std::u16string(40, u'n'), encodePassword(2000, 5, 1)));
    EXPECT_EQ(nameAt(1, 0), std::u16string(30, u'n'));
}

TEST_F(InsertTest, FailedSaveKeepsTheEntryAndTheOldFile) {
    const std::filesystem::path file = root() / "my documents" / "high.scr";
    std::filesystem::remove(file);
    std::filesystem::create_directory(file); // nothing can be written in its place
    ASSERT_TRUE(addHighScore(u"kept", encodePassword(5000, 5, 1)));
    EXPECT_EQ(shell_.boxes,
              (std::vector<ShownBox>{{u"Could not save high score file.", u"File System Error"}}));
    EXPECT_EQ(nameAt(1, 0), u"kept");
    EXPECT_TRUE(shell_.endings.empty());
}
