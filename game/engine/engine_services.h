// What the engine needs from the program around it: randomness, sounds, speeds and dialogs.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

struct EngineState;

// Implemented by the shell; tests use a recording stand-in. Every call is synchronous.
class EngineServices {
  public:
    virtual ~EngineServices() = default;

    // The shared pseudo-random generator: 0..32767.
    virtual int randomValue() = 0;
    virtual void playSound(int soundId) = 0;
    // Live speeds in design units per second, read afresh every tick.
    virtual int swapSpeed() = 0;
    virtual int fallSpeed() = 0;

    virtual void pauseGame() = 0;
    virtual void resumeGame() = 0;
    // A message box with an OK button only, no owner, shown with the game paused.
    virtual void showMessageBox(std::u16string_view text, std::u16string_view caption) = 0;
    // One of the engine's English texts (ASCII) in the player's language; the shell translates
    // it in its context, a stand-in keeps the English.
    virtual std::u16string translate(const char* /*context*/, const char* source) {
        return {source, source + std::strlen(source)};
    }

    // Is the score above the tenth entry of the level's table?
    virtual bool isHighScore(int level, std::int32_t score) = 0;
    // The name entry: reads score and level, sets passwordMade and lastPassword.
    virtual void newHighScoreDialog(EngineState& state) = 0;
    // The high-score viewer, opened on the given level's table.
    virtual void highScoresDialog(int level) = 0;
};

// Sound ids of the game.
enum : int {
    kSoundSelect = 124,
    kSoundSwapBack = 125,
    kSoundRun = 126,
};
