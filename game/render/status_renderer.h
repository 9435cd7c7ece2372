// Drawing of the time bar, the status line and the clearing effects over the board.
#pragma once

#include "game/engine/engine_state.h"
#include "game/render/piece_art.h"
#include "game/render/render_options.h"
#include "platform/surface.h"

#include <string>

void drawTimeBar(Surface& target, const Scale& scale, const EngineState& state);
void drawStatusLine(Surface& target, const Scale& scale, const EngineState& state,
                    const RenderOptions& options);
void drawEffects(Surface& target, const Scale& scale, const EngineState& state, const PieceArt& art,
                 const RenderOptions& options);

// The right edge, in design units, of the white part of the time bar.
int timeBarRight(std::uint32_t timeLeftMs);
// The time bar's rectangle, and the right edge of its white part, in pixels at the scale.
PixelRect timeBarRect(const Scale& scale);
int timeBarEdge(std::uint32_t timeLeftMs, double scaleX);
// A pop-up's text: "%i", or "-%i" with the magnitude for a charge.
std::u16string popupText(std::int32_t points);
