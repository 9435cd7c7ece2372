// A fresh game for each test: its files in a fresh device root, the default options and table,
// and the program's services wired to the test's stand-ins.
#pragma once

#include "board_fixture.h"
#include "device_root_fixture.h"
#include "game/resources/game_resources.h"
#include "game/shell/game.h"
#include "platform/random.h"
#include "platform/recording_sound_player.h"

#include <filesystem>

template <typename Dialogs> class GameTest : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        std::filesystem::create_directories(root() / "my documents");
        initGameResources();
        readInstallDirectory(game.installDirectory);
        resetPreferences(game.preferences, installPath(game, u"zorv.prf"));
        loadHighScores(game.highScores, installPath(game, u"high.scr"));
        seedRandom(7);
        game.dialogs = &dialogs;
        game.soundPlayer = &sounds;
        setMessageBoxService(&messageBoxes);
    }
    void TearDown() override {
        setMessageBoxService(nullptr);
        DeviceRootTest::TearDown();
    }

    Game game;
    EngineState& engine = game.engine;
    ClockState& clock = game.clock;
    Preferences& preferences = game.preferences;
    Dialogs dialogs;
    RecordingSoundPlayer sounds;
    ShellMessageBoxes messageBoxes{game};
};

// A game in progress on a board that lies still and has no move.
inline void layStillGame(EngineState& engine, int level) {
    engine.demoMode = false;
    engine.level = level;
    engine.timeLeftMs = 100000;
    layStillBoard(engine);
}
