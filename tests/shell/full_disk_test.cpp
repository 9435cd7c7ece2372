// The game's own files on a full or failing disk: the old preferences and high scores survive.
#include "file_fault_cases.h"
#include "game/scores/password_codec.h"
#include "game/shell/command_ids.h"
#include "hang_guard.h"
#include "shell_fixture.h"
#include "small_file_system.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

using FullDisk = ShellTest;

TEST_F(FullDisk, TogglingHintsAndANewBestScoreLoseNeitherFile) {
    const std::string preferencesBefore = readFile("my documents/zorv.prf");
    const std::string scoresBefore = readFile("my documents/high.scr");
    ASSERT_EQ(preferencesBefore.size(), 552u);
    ASSERT_EQ(scoresBefore.size(), 3060u);
    SmallFileSystem disk;
    if (const auto why = disk.mountOver(root() / "my documents")) {
        GTEST_SKIP() << *why;
    }
    disk.fill();

    window.command(kCommandHints);
    EXPECT_EQ(preferences.hintsOn, 0); // the change stays for this run
    ASSERT_TRUE(
        addHighScore(game.highScores, u"best", encodePassword(90000, kIssuedPasswordTag, 1)));

    EXPECT_EQ(readFile("my documents/zorv.prf"), preferencesBefore);
    EXPECT_EQ(readFile("my documents/high.scr"), scoresBefore);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, u"Could not save high score file.");
    EXPECT_EQ(dialogs.messages[0].caption, u"File System Error");
    EXPECT_EQ(std::u16string(game.highScores.table.entries[1][0].name), u"best");
    EXPECT_EQ(entries(root() / "my documents"),
              (std::vector<std::string>{".filler", "high.scr", "zorv.prf"}));
    disk.unmount();
}

TEST_F(FullDisk, EveryFaultInAPreferencesSaveIsSilentAndKeepsTheOldFile) {
    std::string before;
    forEveryFileFault(
        [&] {
            preferences.hintsOn = 1;
            savePreferences(game);
            before = readFile("my documents/zorv.prf");
            dialogs.messages.clear();
        },
        [&] { toggleHints(preferences, installPath(game, u"zorv.prf")); },
        [&](const FileFaultPoint& point) {
            std::string after = before;
            after[0] = 0;
            EXPECT_EQ(readFile("my documents/zorv.prf"),
                      faultIsRecoverable(point) ? after : before);
            EXPECT_TRUE(dialogs.messages.empty());
            EXPECT_EQ(preferences.hintsOn, 0);
        });
}

TEST_F(FullDisk, EveryFaultWhileWritingTheFirstDefaultsLeavesNoFileOrAWholeOne) {
    forEveryFileFault([&] { fs::remove(root() / "my documents" / "zorv.prf"); },
                      [&] { loadPreferences(preferences, installPath(game, u"zorv.prf")); },
                      [&](const FileFaultPoint& point) {
                          const bool exists = fs::exists(root() / "my documents" / "zorv.prf");
                          EXPECT_EQ(exists, faultIsRecoverable(point));
                          if (exists) {
                              EXPECT_EQ(readFile("my documents/zorv.prf").size(), 552u);
                          }
                          EXPECT_EQ(preferences.speedCommand, kSpeedInstant);
                      });
}

TEST_F(FullDisk, PipesInThePlaceOfTheRegistryOrThePreferencesAreNoFiles) {
    HangGuard guard;
    ASSERT_EQ(mkfifo((root() / "registry.ini").c_str(), 0600), 0);
    readInstallDirectory(game.installDirectory);
    EXPECT_EQ(installPath(game, u"zorv.prf"), u"\\my documents\\zorv.prf");

    fs::remove(root() / "my documents" / "zorv.prf");
    ASSERT_EQ(mkfifo((root() / "my documents" / "zorv.prf").c_str(), 0600), 0);
    loadPreferences(preferences, installPath(game, u"zorv.prf"));
    EXPECT_EQ(preferences.hintsOn, 1);
    EXPECT_TRUE(fs::is_fifo(root() / "my documents" / "zorv.prf"));
}
