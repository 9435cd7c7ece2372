// Options and high scores the game finds but cannot read are the player's: the defaults stand in
// for them, and no save of the run writes over them.
#include "file_fault_cases.h"
#include "game/scores/password_codec.h"
#include "game/shell/command_ids.h"
#include "permissions_apply.h"
#include "shell_fixture.h"

#include <functional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct Unreadable {
    const char* kind;
    // Puts the stored bytes in the file's place in a form the game cannot read.
    std::function<void(const fs::path& file, const std::string& stored)> make;
    // The stored bytes as they stand once the file can be read again.
    std::function<std::string(const fs::path& file)> recover;
};

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeContent(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

const Unreadable kUnreadable[] = {
    {"without read permission",
     [](const fs::path& file, const std::string& stored) {
         writeContent(file, stored);
         fs::permissions(file, fs::perms::none);
     },
     [](const fs::path& file) {
         fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
         return contentOf(file);
     }},
    {"a link into a folder not mounted yet",
     [](const fs::path& file, const std::string& stored) {
         const std::string away = "away-" + file.filename().string();
         writeContent(file.parent_path() / away, stored);
         fs::create_symlink("mount/" + away, file);
     },
     [](const fs::path& file) {
         const std::string away = "away-" + file.filename().string();
         fs::create_directories(file.parent_path() / "mount");
         fs::rename(file.parent_path() / away, file.parent_path() / "mount" / away);
         return contentOf(file);
     }},
    {"a pipe", [](const fs::path& file, const std::string&) { ::mkfifo(file.c_str(), 0600); },
     [](const fs::path& file) { return fs::is_fifo(file) ? std::string("pipe") : ""; }},
};

} // namespace

class UnreadableFiles : public ShellTest {
  protected:
    fs::path documents() const { return root() / "my documents"; }
};

TEST_F(UnreadableFiles, AreKeptByteForByteWhileTheDefaultsStandIn) {
    std::string preferencesStored(552, '\0'); // hints, sounds and all else off
    std::string scoresStored = readFile("my documents/high.scr");
    scoresStored.replace(0, 8, std::string("B\0e\0s\0t\0", 8)); // Easy's first name
    for (const Unreadable& kind : kUnreadable) {
        SCOPED_TRACE(kind.kind);
        fs::remove(documents() / "zorv.prf");
        fs::remove(documents() / "high.scr");
        fs::remove_all(documents() / "mount");
        kind.make(documents() / "zorv.prf", preferencesStored);
        kind.make(documents() / "high.scr", scoresStored);
        dialogs.messages.clear();
        {
            PermissionsApply permissions;
            const auto why = PermissionsApply::whyNot(documents() / "high.scr");
            if (&kind == &kUnreadable[0] && why) {
                GTEST_SKIP() << *why;
            }
            loadPreferences(preferences, installPath(game, u"zorv.prf"));
            loadHighScores(game.highScores, installPath(game, u"high.scr"));
            EXPECT_EQ(preferences.hintsOn, 1);
            EXPECT_EQ(std::u16string(game.highScores.table.entries[0][0].name), u"No name");
            EXPECT_TRUE(dialogs.messages.empty());

            window.command(kCommandHints); // saved silently, in memory only
            EXPECT_EQ(preferences.hintsOn, 0);
            EXPECT_TRUE(dialogs.messages.empty());
            ASSERT_TRUE(addHighScore(game.highScores, u"kept",
                                     encodePassword(90000, kIssuedPasswordTag, 0)));
            EXPECT_EQ(std::u16string(game.highScores.table.entries[0][0].name), u"kept");
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].text, u"Could not save high score file.");
            EXPECT_EQ(dialogs.messages[0].caption, u"File System Error");
        }
        const bool special = &kind == &kUnreadable[2];
        EXPECT_EQ(kind.recover(documents() / "zorv.prf"), special ? "pipe" : preferencesStored);
        EXPECT_EQ(kind.recover(documents() / "high.scr"), special ? "pipe" : scoresStored);
    }
}
