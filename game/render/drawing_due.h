// When the drawing of a resting board next changes by itself: the time bar, the hint frame.
#pragma once

#include "game/engine/engine_state.h"
#include "game/render/render_options.h"

#include <cstdint>

// Milliseconds from now until a frame of this resting board would draw other pixels than the
// last: the time bar's next pixel at this scale, or the hint frame coming into view.
// kNeverDue (game/engine/rest.h) when neither will.
std::uint32_t msUntilDrawingDue(const EngineState& state, const Scale& scale,
                                const RenderOptions& options);
