// One frame of engine work in the main loop's fixed order.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>

// Time, board, move search (only on a board at rest for a whole tick), then the effects.
void runFrame(EngineState& state, std::uint32_t elapsedMs);
