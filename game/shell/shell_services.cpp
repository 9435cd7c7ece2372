// The program's services to the engine, the high-score table and fatal errors.
#include "game/shell/shell_services.h"

#include "game/engine/engine_state.h"
#include "game/scores/high_score_table.h"
#include "game/scores/score_dialogs.h"
#include "game/shell/game_clock.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_state.h"
#include "game/shell/sounds.h"
#include "platform/random.h"
#include "platform/translation.h"

int ShellServices::randomValue() {
    return nextRandom();
}
void ShellServices::playSound(int soundId) {
    ::playSound(soundId);
}
int ShellServices::swapSpeed() {
    return preferences.swapSpeed;
}
int ShellServices::fallSpeed() {
    return preferences.fallSpeed;
}
void ShellServices::pauseGame() {
    ::pauseGame();
}
void ShellServices::resumeGame() {
    ::resumeGame();
}

void ShellServices::showMessageBox(std::u16string_view text, std::u16string_view caption) {
    ::showMessageBox(text, caption);
}

std::u16string ShellServices::translate(const char* context, const char* source) {
    return ::translate(context, source);
}

bool ShellServices::isHighScore(int level, std::int32_t score) {
    return ::isHighScore(level, static_cast<std::uint32_t>(score));
}

void ShellServices::newHighScoreDialog(EngineState& state) {
    state.passwordMade = false;
    if (shell.dialogs) {
        ::newHighScoreDialog(*shell.dialogs, state);
    }
}

void ShellServices::highScoresDialog(int level) {
    if (shell.dialogs) {
        ::highScoresDialog(*shell.dialogs, level);
    }
}

int ShellMessageBoxes::showMessageBox(std::u16string_view text, std::u16string_view caption) {
    return ::showMessageBox(text, caption);
}

void ShellFatalErrors::show(std::u16string_view text) {
    showFatalError(text);
}
