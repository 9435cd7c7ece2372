// The program's services to the engine, the high-score table and fatal errors.
#pragma once

#include "game/engine/engine_services.h"
#include "game/scores/score_services.h"
#include "platform/fatal_error.h"

struct Game;

class ShellServices final : public EngineServices {
  public:
    explicit ShellServices(Game& game) : game_(game) {}
    int randomValue() override;
    void playSound(int soundId) override;
    int swapSpeed() override;
    int fallSpeed() override;
    void pauseGame() override;
    void resumeGame() override;
    void showMessageBox(std::u16string_view text, std::u16string_view caption) override;
    std::u16string translate(const char* context, const char* source) override;
    bool isHighScore(int level, std::int32_t score) override;
    void newHighScoreDialog(EngineState& state) override;
    void highScoresDialog(int level) override;

  private:
    Game& game_;
};

// The high-score table's messages go through the game's own message boxes.
class ShellMessageBoxes final : public MessageBoxService {
  public:
    explicit ShellMessageBoxes(Game& game) : game_(game) {}
    int showMessageBox(std::u16string_view text, std::u16string_view caption) override;

  private:
    Game& game_;
};

// A fatal error's box is one of the game's message boxes, shown with the game paused.
class ShellFatalErrors final : public FatalErrorDisplay {
  public:
    explicit ShellFatalErrors(Game& game) : game_(game) {}
    void show(std::u16string_view text) override;

  private:
    Game& game_;
};
