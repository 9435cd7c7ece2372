// A recording stand-in for the engine's services and boards drawn from text for each case.
#pragma once

#include "board_fixture.h"
#include "game/engine/engine_services.h"
#include "game/engine/engine_state.h"
#include "platform/random.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Records every call in order; random values come from a script first, then a seeded generator.
class RecordingServices : public EngineServices {
  public:
    std::deque<int> scriptedRandom;
    RandomGenerator generator;
    int swapSpeedValue = 130;
    int fallSpeedValue = 145;
    bool highScore = false;
    std::u16string passwordToIssue = u"ABC123";
    std::vector<int> sounds;
    std::vector<std::string> calls;
    std::vector<std::u16string> messages;

    int randomValue() override {
        if (scriptedRandom.empty()) {
            return generator.next();
        }
        const int value = scriptedRandom.front();
        scriptedRandom.pop_front();
        return value;
    }
    void playSound(int id) override { sounds.push_back(id); }
    int swapSpeed() override { return swapSpeedValue; }
    int fallSpeed() override { return fallSpeedValue; }
    void pauseGame() override { calls.push_back("pause"); }
    void resumeGame() override { calls.push_back("resume"); }
    void showMessageBox(std::u16string_view text, std::u16string_view caption) override {
        calls.push_back("message");
        messages.push_back(std::u16string(caption) + u"|" + std::u16string(text));
    }
    bool isHighScore(int, std::int32_t) override {
        calls.push_back("isHighScore");
        return highScore;
    }
    void newHighScoreDialog(EngineState& state) override {
        calls.push_back("nameEntry");
        const std::size_t length = passwordToIssue.copy(state.lastPassword, kPasswordUnits - 1);
        state.lastPassword[length] = u'\0';
        state.passwordMade = true;
    }
    void highScoresDialog(int level) override {
        calls.push_back("viewer " + std::to_string(level));
    }
};

// A still board (no two like neighbours, no move); cases draw their pieces over it with kinds
// 5 and 6, or any digit, where the rows do not hold '.'.
inline void drawBoard(EngineState& state, const std::vector<std::string>& rows) {
    layStillBoard(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const char mark = rows.at(row).at(column);
            if (mark != '.') {
                state.cell(column, row).kind = static_cast<std::uint8_t>(mark - '0');
            }
        }
    }
}

class EngineTest : public ::testing::Test {
  protected:
    RecordingServices services;
    EngineState state;

    void SetUp() override {
        state.services = &services;
        state.demoMode = false;
        state.timeLeftMs = kMaxTimeMs;
    }

    void draw(const std::vector<std::string>& rows) { drawBoard(state, rows); }
    // Ticks until the board has rested a whole tick; returns the ticks taken.
    int settle(std::uint32_t elapsedMs = 20, int limit = 10000);
};

// Ticks the board (no move search) until it has rested for a whole tick.
int settleBoard(EngineState& state, std::uint32_t elapsedMs, int limit);

inline int EngineTest::settle(std::uint32_t elapsedMs, int limit) {
    return settleBoard(state, elapsedMs, limit);
}

// Is there a run anywhere on the board?
bool boardHasRun(const EngineState& state);
