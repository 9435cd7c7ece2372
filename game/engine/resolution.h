// The resolution pass: every run on a resting board is scored and cleared, or the swap undone.
#pragma once

#include "game/engine/engine_state.h"

void resolveMatches(EngineState& state);
