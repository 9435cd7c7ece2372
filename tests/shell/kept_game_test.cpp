// Closing the window keeps a game in progress in its own file, and only such a game; a disk that
// takes nothing loses nothing.
#include "file_fault_cases.h"
#include "game/engine/board.h"
#include "game/engine/saved_game.h"
#include "game/shell/command_ids.h"
#include "game/shell/kept_game.h"
#include "shell_fixture.h"
#include "small_file_system.h"

namespace fs = std::filesystem;

namespace {

class KeptGame : public ShellTest {
  protected:
    fs::path keptFile() const { return root() / "my documents" / "zorv.sav"; }
    std::u16string keptPath() const { return installPath(kKeptGameFile); }
    // An Expert game in the file, as an earlier run kept it; the record holds it too.
    std::string writeEarlierGame() {
        layStillGame(Expert);
        engine.score = 4321;
        const auto bytes = encodeSavedGame(engine, 99);
        writeFile("my documents/zorv.sav", std::string(bytes.begin(), bytes.end()));
        return readFile("my documents/zorv.sav");
    }
    std::vector<std::uint8_t> gameNow() const { return encodeSavedGame(engine, randomState()); }
};

struct Ending {
    const char* name;
    std::function<void()> lay; // the game as the window closes
    bool kept;
};

const Ending kEndings[] = {
    {"the demo",
     [] {
         engine.demoMode = true;
         newBoard(engine);
     },
     false},
    {"a game with moves left",
     [] {
         newBoard(engine);
         engine.demoMode = false;
         engine.level = Normal;
         engine.score = 250;
     },
     true},
    {"a game on Expert without a move", [] { layStillGame(Expert); }, true},
    {"a game whose time is up",
     [] {
         layStillGame(Expert);
         engine.timeLeftMs = 0;
     },
     false},
    {"a game on Normal without a move", [] { layStillGame(Normal); }, false},
    {"a game without moves still falling",
     [] {
         layStillGame(Normal);
         engine.boardMoving = true;
     },
     true},
};

} // namespace

TEST_F(KeptGame, QuitKeepsAGameInProgressAndAStartFindsItExactly) {
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        fs::remove(keptFile());
        ending.lay();
        nextRandom();
        const auto expected = gameNow();
        window.command(kCommandQuit);
        EXPECT_EQ(window.quitCode, 0);
        ASSERT_EQ(fs::exists(keptFile()), ending.kept);
        if (!ending.kept) {
            continue;
        }
        EngineState restored;
        restored.services = &services;
        const auto randomState = restoreKeptGame(restored, keptPath());
        ASSERT_TRUE(randomState);
        EXPECT_EQ(encodeSavedGame(restored, *randomState), expected);
        EXPECT_EQ(restored.services, &services);
    }
}

TEST_F(KeptGame, ANewerOrDamagedFileIsLeftAloneAndAnEndedGamesFileGoes) {
    const std::string earlier = writeEarlierGame();
    std::string foreign = earlier;
    foreign[4] = 2; // version 2
    writeFile("my documents/zorv.sav", foreign);
    engine.demoMode = true;
    newBoard(engine);
    EngineState untouched = engine;
    EXPECT_FALSE(restoreKeptGame(engine, keptPath()));
    EXPECT_EQ(encodeSavedGame(engine, 0), encodeSavedGame(untouched, 0));
    keepGame(engine, randomState(), keptPath());
    EXPECT_TRUE(readFile("my documents/zorv.sav") == foreign);

    writeFile("my documents/zorv.sav", earlier);
    keepGame(engine, randomState(), keptPath()); // the game kept at a logout has ended since
    EXPECT_FALSE(fs::exists(keptFile()));
}

TEST_F(KeptGame, AReadOnlyFolderLosesNothingAndTheWindowStillCloses) {
    const std::string earlier = writeEarlierGame();
    const std::string preferencesBefore = readFile("my documents/zorv.prf");
    const std::string scoresBefore = readFile("my documents/high.scr");
    SmallFileSystem disk;
    if (const auto why = disk.mountOver(root() / "my documents")) {
        GTEST_SKIP() << *why;
    }
    ASSERT_TRUE(disk.makeReadOnly());
    layStillGame(Expert);
    window.command(kCommandQuit);
    EXPECT_EQ(window.quitCode, 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(readFile("my documents/zorv.sav") == earlier);
    EXPECT_EQ(readFile("my documents/zorv.prf"), preferencesBefore);
    EXPECT_EQ(readFile("my documents/high.scr"), scoresBefore);
    EXPECT_EQ(entries(root() / "my documents"),
              (std::vector<std::string>{"high.scr", "zorv.prf", "zorv.sav"}));
}

TEST_F(KeptGame, EveryFaultOfAFailingDiskLeavesTheEarlierGameOrTheNewOneWhole) {
    std::string earlier;
    forEveryFileFault(
        [&] {
            earlier = writeEarlierGame();
            engine.score = 777;
        },
        [&] { keepGame(engine, randomState(), keptPath()); },
        [&](const FileFaultPoint& point) {
            const auto now = gameNow();
            EXPECT_TRUE(
                readFile("my documents/zorv.sav") ==
                (faultIsRecoverable(point) ? std::string(now.begin(), now.end()) : earlier));
            EXPECT_EQ(entries(root() / "my documents"),
                      (std::vector<std::string>{"high.scr", "zorv.prf", "zorv.sav"}));
            EXPECT_TRUE(dialogs.messages.empty());
        });
}
