// The end of a game: the message, the high-score entry and the way back to demo mode.
#include "game/engine/game_over.h"

#include "game/engine/board.h"
#include "game/engine/engine_services.h"

#include <string>

namespace {

std::u16string_view passwordText(const EngineState& state) {
    std::size_t length = 0;
    while (length < kPasswordUnits && state.lastPassword[length] != u'\0') {
        ++length;
    }
    return {state.lastPassword, length};
}

void enterHighScore(EngineState& state, EngineServices& services) {
    services.pauseGame();
    services.newHighScoreDialog(state);
    services.highScoresDialog(state.level);
    if (state.passwordMade) {
        std::u16string text = u"Your password is: ";
        text += passwordText(state);
        text += u"\nClick on your name in the high scores at any time to see the password again.";
        services.showMessageBox(text, u"On-Line Password");
    }
    services.resumeGame();
}

} // namespace

void gameOver(EngineState& state, int reason) {
    EngineServices& services = servicesOf(state);
    services.pauseGame();
    if (!state.demoMode) {
        services.showMessageBox(reason == TimeIsUp ? u"Time is up.  Game over."
                                                   : u"No moves left.  Game over.",
                                u"Game Over");
        if (services.isHighScore(state.level, state.score)) {
            enterHighScore(state, services);
        }
    }
    state.level = Easy;
    state.demoMode = true;
    newBoard(state);
    services.resumeGame();
}
