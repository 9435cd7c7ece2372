// The engine's one state record: the board, score, time, selection and effect lists.
#pragma once

#include "game/engine/cell.h"

#include <cstdint>
#include <vector>

class EngineServices;

constexpr std::uint32_t kMaxTimeMs = 105000;
// The high-score table's password field: 19 symbols and the terminator.
constexpr int kPasswordUnits = 20;

struct CellPosition {
    std::int32_t column = -1;
    std::int32_t row = -1;
};

// Two cells of a swap; column1 = -1 means none.
struct Move {
    std::int32_t column1 = -1;
    std::int32_t row1 = -1;
    std::int32_t column2 = -1;
    std::int32_t row2 = -1;
};

struct ScorePopup {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t points = 0;
    std::int32_t lifeMs = 1000;
};

struct Sparkle {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::uint32_t ticks = 0;
};

enum Level : std::int32_t {
    Easy = 0,
    Normal = 1,
    Expert = 2,
};

struct EngineState {
    Cell board[kCellCount] = {};
    std::int32_t score = 0;
    std::int32_t chainCount = 0;
    std::int32_t turnScore = 0;
    bool turnScoreVisible = false;
    std::uint32_t timeLeftMs = 0;
    std::uint32_t idleMs = 0;
    std::int32_t level = Easy;
    bool demoMode = true;
    bool boardMoving = false;
    bool boardWasMoving = false;
    CellPosition selection;
    Move lastSwap;
    Move hintMove{0, 0, 0, 0};
    bool stylusHeld = false;
    // Lists in order: appended at the end, removed in list order.
    std::vector<ScorePopup> popups;
    std::vector<Sparkle> sparkles;
    bool passwordMade = false;
    char16_t lastPassword[kPasswordUnits] = {};

    // Motion not yet moved, in thousandths of a design unit, carried between ticks.
    std::uint32_t swapCarry = 0;
    std::uint32_t fallCarry = 0;

    // The program's services: set before the engine deals a board, ticks or takes a tap.
    EngineServices* services = nullptr;

    Cell& cell(int column, int row) { return board[cellIndex(column, row)]; }
    const Cell& cell(int column, int row) const { return board[cellIndex(column, row)]; }
};

// The services to call, which the state must have.
inline EngineServices& servicesOf(EngineState& state) {
    return *state.services;
}
