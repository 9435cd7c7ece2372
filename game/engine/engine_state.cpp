// The program's engine record and the quiet stand-in used when no services are set.
#include "game/engine/engine_state.h"

#include "game/engine/engine_services.h"

EngineState engine;

namespace {

// Plays nothing and shows nothing; draws numbers from a fixed linear congruential sequence.
class QuietServices : public EngineServices {
  public:
    int randomValue() override {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }
    void playSound(int) override {}
    int swapSpeed() override { return 130; }
    int fallSpeed() override { return 145; }
    void pauseGame() override {}
    void resumeGame() override {}
    void showMessageBox(std::u16string_view, std::u16string_view) override {}
    bool isHighScore(int, std::int32_t) override { return false; }
    void newHighScoreDialog(EngineState&) override {}
    void highScoresDialog(int) override {}

  private:
    std::uint32_t state_ = 1;
};

} // namespace

EngineServices& servicesOf(EngineState& state) {
    static QuietServices quiet;
    return state.services ? *state.services : quiet;
}
