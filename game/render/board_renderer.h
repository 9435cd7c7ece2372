// Drawing of the board into the back buffer: cells, pieces, frames, status line, time bar, effects.
#pragma once

#include "game/engine/engine_state.h"
#include "game/render/piece_art.h"
#include "game/render/render_options.h"
#include "platform/surface.h"

// Everything one paint draws, in its fixed order; only Dirty cells (all while a box is up).
void drawFrame(Surface& target, const Scale& scale, EngineState& state, const PieceArt& art,
               const RenderOptions& options);

void drawBackground(Surface& target, const Scale& scale, const EngineState& state,
                    const RenderOptions& options);
// The same, knowing the pieces that drawPieces draws next: their pixels are not filled first.
void drawBackground(Surface& target, const Scale& scale, const EngineState& state,
                    const RenderOptions& options, const PieceArt* art);
void drawPieces(Surface& target, const Scale& scale, const EngineState& state, const PieceArt& art,
                const RenderOptions& options);
// The hint frames show once the board has been idle longer than this.
constexpr std::uint32_t kHintAfterMs = 10000;

// The selection frame, or after ten idle seconds the hint frames; marks the cells they lie on.
void drawMarks(Surface& target, const Scale& scale, EngineState& state, const PieceArt& art,
               const RenderOptions& options, int selectedColumn, int selectedRow);
// The keyboard cursor: a whole square ring, black lined with white, unlike the corner marks of
// the selection and hint frames and plain on every background; drawn whenever its cell is.
void drawKeyboardCursor(Surface& target, const Scale& scale, const EngineState& state,
                        const RenderOptions& options);
