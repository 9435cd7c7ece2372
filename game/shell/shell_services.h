// The engine's view of the program: the shared generator, sounds, live speeds and the shell.
#pragma once

#include "game/engine/engine_services.h"

class ShellServices final : public EngineServices {
  public:
    int randomValue() override;
    void playSound(int soundId) override;
    int swapSpeed() override;
    int fallSpeed() override;
    void pauseGame() override;
    void resumeGame() override;
    void showMessageBox(std::u16string_view text, std::u16string_view caption) override;
    bool isHighScore(int level, std::int32_t score) override;
    void newHighScoreDialog(EngineState& state) override;
    void highScoresDialog(int level) override;
};
