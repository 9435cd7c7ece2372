// Closing the window keeps a game in progress in its own file, and only such a game; a folder that
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
    std::u16string path() const { return installPath(game, kKeptGameFile); }
    bool kept() const { return fs::exists(root() / "my documents" / "zorv.sav"); }
    std::string keptBytes() const { return readFile("my documents/zorv.sav"); }
    // An Expert game kept by an earlier run; the record holds it too.
    std::string keepEarlierGame() {
        layStillGame(engine, Expert);
        engine.score = 4321;
        const auto bytes = encodeSavedGame(engine, 99);
        writeFile("my documents/zorv.sav", std::string(bytes.begin(), bytes.end()));
        return keptBytes();
    }
};

void layDemo(EngineState& engine) {
    engine.demoMode = true;
    newBoard(engine);
}
void layGameWithMoves(EngineState& engine) {
    newBoard(engine);
    engine.demoMode = false;
    engine.level = Normal;
}

const struct {
    const char* name;
    std::function<void(EngineState&)> lay; // the game as the window closes
    bool kept;
} kEndings[] = {
    {"the demo", layDemo, false},
    {"a game with moves left", layGameWithMoves, true},
    {"a game on Expert without a move", [](EngineState& engine) { layStillGame(engine, Expert); }, true},
    {"a game on Normal without a move, ending", [](EngineState& engine) { layStillGame(engine, Normal); }, false},
    {"a game whose time is up, ending",
     [](EngineState& engine) {
         layStillGame(engine, Expert);
         engine.timeLeftMs = 0;
     },
     false},
    {"a game without a move, still falling",
     [](EngineState& engine) {
         layStillGame(engine, Normal);
         engine.boardMoving = true;
     },
     true},
};

} // namespace

TEST_F(KeptGame, QuitKeepsOnlyAGameInProgressAndAStartFindsItExactly) {
    for (const auto& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        fs::remove(root() / "my documents" / "zorv.sav");
        ending.lay(engine);
        nextRandom();
        const auto expected = encodeSavedGame(engine, randomState());
        window.command(kCommandQuit);
        EXPECT_EQ(window.quitCode, 0);
        ASSERT_EQ(kept(), ending.kept);
        EngineState restored;
        restored.services = &game.services;
        const auto randomState = restoreKeptGame(restored, path());
        ASSERT_EQ(randomState.has_value(), ending.kept);
        if (randomState) {
            EXPECT_EQ(encodeSavedGame(restored, *randomState), expected);
            EXPECT_EQ(restored.services, &game.services);
        }
    }
}

TEST_F(KeptGame, AnotherVersionsFileStaysAndAnEndedGamesFileGoes) {
    const std::string earlier = keepEarlierGame();
    std::string foreign = earlier;
    foreign[4] = 2; // version 2
    writeFile("my documents/zorv.sav", foreign);
    layDemo(engine);
    const auto demo = encodeSavedGame(engine, 0);
    EXPECT_FALSE(restoreKeptGame(engine, path()));
    EXPECT_EQ(encodeSavedGame(engine, 0), demo);
    keepGame(engine, randomState(), path());
    EXPECT_TRUE(keptBytes() == foreign);

    writeFile("my documents/zorv.sav", earlier);
    keepGame(engine, randomState(), path()); // a game kept at a logout has ended since
    EXPECT_FALSE(kept());
}

TEST_F(KeptGame, AReadOnlyFolderOrAFullDiskLosesNothingAndSaysNothingAndTheWindowStillCloses) {
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "full");
        savePreferences(game); // the files again: an unmounted disk takes its files with it
        saveHighScores(game.highScores);
        const std::string earlier = keepEarlierGame();
        const std::string preferencesBefore = readFile("my documents/zorv.prf");
        const std::string scoresBefore = readFile("my documents/high.scr");
        ASSERT_EQ(preferencesBefore.size() + scoresBefore.size(), 552u + 3060u);
        SmallFileSystem disk;
        if (const auto why = disk.mountOver(root() / "my documents")) {
            GTEST_SKIP() << *why;
        }
        if (readOnly) {
            ASSERT_TRUE(disk.makeReadOnly());
        } else {
            disk.fill();
        }
        engine.score = 5000;
        window.command(kCommandQuit);
        EXPECT_EQ(window.quitCode, 0);
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_TRUE(keptBytes() == earlier);
        EXPECT_EQ(readFile("my documents/zorv.prf"), preferencesBefore);
        EXPECT_EQ(readFile("my documents/high.scr"), scoresBefore);
        auto names = entries(root() / "my documents");
        std::erase(names, ".filler");
        EXPECT_EQ(names, (std::vector<std::string>{"high.scr", "zorv.prf", "zorv.sav"}));
    }
}
