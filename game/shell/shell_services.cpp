// The program's services to the engine, the high-score table and fatal errors.
#include "game/shell/shell_services.h"

#include "game/scores/score_dialogs.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/sounds.h"
#include "platform/random.h"
#include "platform/translation.h"

int ShellServices::randomValue() {
    return nextRandom();
}
void ShellServices::playSound(int soundId) {
    ::playSound(game_, soundId);
}
int ShellServices::swapSpeed() {
    return game_.preferences.swapSpeed;
}
int ShellServices::fallSpeed() {
    return game_.preferences.fallSpeed;
}
void ShellServices::pauseGame() {
    ::pauseGame(game_);
}
void ShellServices::resumeGame() {
    ::resumeGame(game_);
}

void ShellServices::showMessageBox(std::u16string_view text, std::u16string_view caption) {
    ::showMessageBox(game_, text, caption);
}

std::u16string ShellServices::translate(const char* context, const char* source) {
    return ::translate(context, source);
}

bool ShellServices::isHighScore(int level, std::int32_t score) {
    return ::isHighScore(game_.highScores.table, level, static_cast<std::uint32_t>(score));
}

void ShellServices::newHighScoreDialog(EngineState& state) {
    state.passwordMade = false;
    if (game_.dialogs) {
        ::newHighScoreDialog(*game_.dialogs, state, game_.highScores);
    }
}

void ShellServices::highScoresDialog(int level) {
    if (game_.dialogs) {
        ::highScoresDialog(*game_.dialogs, game_.highScores, level);
    }
}

int ShellMessageBoxes::showMessageBox(std::u16string_view text, std::u16string_view caption) {
    return ::showMessageBox(game_, text, caption);
}

void ShellFatalErrors::show(std::u16string_view text) {
    showFatalError(game_, text);
}
