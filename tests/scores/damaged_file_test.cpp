// High-score files cut at every byte or followed by garbage: each size gives its outcome.
#include "high_score_fixture.h"
#include "without_syncs.h"

#include <random>

namespace {

std::string garbage(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

} // namespace

using DamagedHighScores = HighScoreTest;

TEST_F(DamagedHighScores, AFileCutAtEveryByteGivesTheOutcomeOfItsSize) {
    WithoutSyncs quick;
    const std::string file = rankedFile();
    for (std::size_t cut = 0; cut <= file.size(); ++cut) {
        SCOPED_TRACE(cut);
        shell_.boxes.clear();
        const std::string damaged = file.substr(0, cut);
        writeTableFile(damaged);
        load();
        if (cut < 2520) {
            ASSERT_EQ(shell_.boxes, (std::vector<ShownBox>{{u"bad size", u"H"}}));
            ASSERT_EQ(tableOnDisk(), tableFile("No name", u"qdwnh"));
        } else {
            // Converted from its first 2520 bytes as a legacy file, or loaded whole; never
            // rewritten at load.
            ASSERT_TRUE(shell_.boxes.empty());
            ASSERT_EQ(tableOnDisk(), damaged);
        }
    }
    EXPECT_EQ(nameAt(1, 3), u"p3");
    EXPECT_EQ(entryScore(1, 3), 700u);
}

TEST_F(DamagedHighScores, GarbageAfterAWholeOrALegacyFileChangesNothing) {
    const std::string file = rankedFile();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        writeTableFile(file + garbage(seed * 97, seed));
        load();
        EXPECT_EQ(nameAt(1, 3), u"p3");
        EXPECT_EQ(entryScore(1, 3), 700u);
    }
    // Garbage in place of the names and passwords still loads: fields end inside themselves.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        writeTableFile(garbage(3060, seed));
        load();
        for (int level = 0; level < 3; ++level) {
            for (int place = 0; place < 10; ++place) {
                EXPECT_LT(nameAt(level, place).size(), 31u);
                EXPECT_LT(entryPassword(level, place).size(), 20u);
            }
        }
        writeTableFile(garbage(2520 + seed, seed));
        load();
        EXPECT_TRUE(shell_.boxes.empty());
        EXPECT_LT(entryPassword(2, 9).size(), 20u);
    }
}
