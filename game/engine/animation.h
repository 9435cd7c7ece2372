// The per-tick update: slides, falls, refills, redraw ageing and the moment of rest.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>

// Moves every piece by the elapsed milliseconds; runs the resolution pass on coming to rest.
void tickBoard(EngineState& state, std::uint32_t elapsedMs);
