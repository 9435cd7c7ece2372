// What a resting board waits for: when the rules next change something without any input.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>

// Nothing is due until something from outside (input, a command) changes the state.
constexpr std::uint32_t kNeverDue = UINT32_MAX;

// Whether the board lies still with nothing in flight: no motion in this frame or the one
// before, every cell idle, no pop-up or sparkle alive, and no cell left to redraw but those the
// selection and hint frames mark in every frame. Frames that change only the clock may then be
// merged into one longer frame with the same outcome.
bool boardAtRest(const EngineState& state);

// Milliseconds from now until the rules change a resting board by themselves: the time runs
// out (the game ends), the turn score goes out of view. kNeverDue when neither will.
std::uint32_t msUntilRulesDue(const EngineState& state);
