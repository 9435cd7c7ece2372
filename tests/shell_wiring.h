// What every whole-shell test sets up: the game's files in a fresh device root, fresh options
// and table, the program's services wired to the test's stand-ins, and a still board to play on.
#pragma once

#include "game/engine/engine_state.h"
#include "game/resources/game_resources.h"
#include "game/scores/high_score_table.h"
#include "game/shell/install_directory.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_services.h"
#include "game/shell/shell_state.h"
#include "game/themes/theme_settings.h"
#include "platform/random.h"

#include <filesystem>

struct ShellStandIns {
    DialogHost& dialogs;
    SoundPlayer& sounds;
    ShellServices& services;
    ShellMessageBoxes& messageBoxes;
};

inline void wireShell(const std::filesystem::path& root, const ShellStandIns& standIns) {
    std::filesystem::create_directories(root / "my documents");
    initGameResources();
    shell = ShellState{};
    readInstallDirectory();
    resetPreferences();
    themeSettings = {preferences.themePath, shell.installDirectory, savePreferences};
    loadHighScores(installPath(u"high.scr"));
    seedRandom(7);
    engine = EngineState{};
    engine.services = &standIns.services;
    setMessageBoxService(&standIns.messageBoxes);
    shell.dialogs = &standIns.dialogs;
    shell.sounds = &standIns.sounds;
}

inline void unwireShell() {
    setMessageBoxService(nullptr);
    shell = ShellState{};
    engine = EngineState{};
}

// A game in progress on a board that lies still and has no move.
inline void layStillGame(int level) {
    engine.demoMode = false;
    engine.level = level;
    engine.timeLeftMs = 100000;
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            engine.cell(column, row) = Cell{};
            engine.cell(column, row).kind = std::uint8_t((column + 2 * row) % 5);
        }
    }
}
