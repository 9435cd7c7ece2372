// One tick of the rules in the main loop's fixed order, and when a resting board next needs one.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>

// Nothing is due until something from outside (input, a command) changes the state.
constexpr std::uint32_t kNeverDue = UINT32_MAX;

// Time, board, move search (only on a board at rest for a whole tick), then the effects.
void runTick(EngineState& state, std::uint32_t elapsedMs);

// Whether the board lies still with nothing in flight: no motion in this tick or the one
// before, every cell idle, no pop-up or sparkle alive, and no cell left to redraw but those the
// selection and hint markers mark in every frame. Ticks that change only the clock may then be
// merged into one longer tick with the same outcome.
bool boardAtRest(const EngineState& state);

// Milliseconds from now until the rules change a resting board by themselves: the time runs
// out (the game ends), the turn score goes out of view. kNeverDue when neither will.
std::uint32_t msUntilRulesDue(const EngineState& state);
