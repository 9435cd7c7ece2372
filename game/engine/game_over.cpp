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

// The format with every %1 replaced by the password.
std::u16string withPassword(std::u16string format, std::u16string_view password) {
    for (std::size_t at = format.find(u"%1"); at != std::u16string::npos;
         at = format.find(u"%1", at + password.size())) {
        format.replace(at, 2, password);
    }
    return format;
}

void enterHighScore(EngineState& state, EngineServices& services) {
    services.pauseGame();
    services.newHighScoreDialog(state);
    services.highScoresDialog(state.level);
    if (state.passwordMade) {
        //: A message box: the line break may move.
        const std::u16string format = services.translate(
            "GameOver", "Your password is: %1\nClick on your name in the high scores at any time "
                        "to see the password again.");
        services.showMessageBox(withPassword(format, passwordText(state)),
                                services.translate("GameOver", "On-Line Password"));
    }
    services.resumeGame();
}

} // namespace

void gameOver(EngineState& state, int reason) {
    EngineServices& services = servicesOf(state);
    services.pauseGame();
    if (!state.demoMode) {
        services.showMessageBox(reason == TimeIsUp
                                    ? services.translate("GameOver", "Time is up.  Game over.")
                                    : services.translate("GameOver", "No moves left.  Game over."),
                                services.translate("GameOver", "Game Over"));
        if (services.isHighScore(state.level, state.score)) {
            enterHighScore(state, services);
        }
    }
    state.level = Easy;
    state.demoMode = true;
    newBoard(state);
    services.resumeGame();
}
