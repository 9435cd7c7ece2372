// Points, time bonus, score pop-ups and sparkles, and the running down of the time.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>

// Scores one run as the next of its chain; the pop-up goes at (column, row).
void scoreRun(EngineState& state, int length, int column, int row);
// Adds delta with a pop-up; false, changing nothing, when the score would go below 0.
bool adjustScore(EngineState& state, std::int32_t delta, int column, int row);
// Pop-ups age by milliseconds, sparkles by ticks; expired ones leave their cell Dirty.
void tickEffects(EngineState& state, std::uint32_t elapsedMs);
void runDownTime(EngineState& state, std::uint32_t elapsedMs);
