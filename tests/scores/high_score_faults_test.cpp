// The high-score file on a failing disk: the old table survives and the player is told.
#include "file_fault_cases.h"
#include "high_score_fixture.h"

using HighScoreFaults = HighScoreTest;

TEST_F(HighScoreFaults, EveryFaultInASaveKeepsTheOldFileTellsAndKeepsTheEntry) {
    const std::string before = rankedFile();
    forEveryFileFault(
        [&] {
            writeTableFile(before);
            load();
            shell_.boxes.clear();
        },
        [&] { addHighScore(u"new", encodePassword(5000, kIssuedPasswordTag, 1)); },
        [&](const FileFaultPoint& point) {
            EXPECT_EQ(nameAt(1, 0), u"new");
            if (faultIsRecoverable(point)) {
                EXPECT_NE(tableOnDisk(), before);
                EXPECT_EQ(tableOnDisk().size(), 3060u);
                EXPECT_TRUE(shell_.boxes.empty());
            } else {
                EXPECT_EQ(tableOnDisk(), before);
                EXPECT_EQ(shell_.boxes, (std::vector<ShownBox>{{u"Could not save high score file.",
                                                                u"File System Error"}}));
            }
            EXPECT_TRUE(shell_.endings.empty());
        });
}

TEST_F(HighScoreFaults, EveryFaultWritingTheDefaultTableEndsTheProgramLeavingNoPartFile) {
    const std::filesystem::path file = root() / "my documents" / "high.scr";
    forEveryFileFault(
        [&] {
            std::filesystem::remove(file);
            shell_.boxes.clear();
            shell_.endings.clear();
        },
        [&] { load(); },
        [&](const FileFaultPoint& point) {
            if (faultIsRecoverable(point)) {
                EXPECT_EQ(tableOnDisk().size(), 3060u);
                EXPECT_TRUE(shell_.endings.empty());
            } else {
                EXPECT_FALSE(std::filesystem::exists(file));
                EXPECT_EQ(shell_.boxes,
                          (std::vector<ShownBox>{
                              {u"There is an error in the high score file.", u"Fatal Error"}}));
                EXPECT_EQ(shell_.endings, std::vector<int>{0});
            }
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                                    std::filesystem::directory_iterator()),
                      faultIsRecoverable(point) ? 1 : 0);
        });
}
