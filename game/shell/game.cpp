// The program's records: wired to one another when made, and the paths and settings they share.
#include "game/shell/game.h"

#include "platform/modal_loops.h"

Game::Game() {
    engine.services = &services;
    topLevelListener_ = addModalLoopsEndedListener([this] { backAtTopLevel(*this); });
}

Game::~Game() {
    removeModalLoopsEndedListener(topLevelListener_);
}

std::u16string installPath(const Game& game, std::u16string_view name) {
    return installPath(game.installDirectory, name);
}

void savePreferences(const Game& game) {
    savePreferences(game.preferences, installPath(game, u"zorv.prf"));
}

ThemeSettings themeSettings(Game& game) {
    return {game.preferences.themePath, game.installDirectory, [&game] { savePreferences(game); }};
}

RenderOptions renderOptions(const Game& game) {
    const Preferences& preferences = game.preferences;
    RenderOptions options;
    options.backgroundColor = preferences.backgroundColor();
    options.hintsOn = preferences.hintsOn != 0;
    options.showTurnScore = preferences.showTurnScore != 0;
    options.transparencyOn = preferences.transparencyOn != 0;
    if (game.keyboardCursor.shown) {
        options.cursorColumn = game.keyboardCursor.column;
        options.cursorRow = game.keyboardCursor.row;
    }
    return options;
}

bool boardInputRefused(const Game& game) {
    return game.engine.boardMoving || !game.clock.running || game.clock.messageBoxUp ||
           game.engine.demoMode;
}
