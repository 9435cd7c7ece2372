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

bool boardInputRefused(const Game& game) {
    return game.engine.boardMoving || !game.clock.running || game.clock.messageBoxUp ||
           game.engine.demoMode;
}
