// The paint handler: draws the frame into the persistent back buffer and shows it.
#pragma once

#include "game/render/render_options.h"

struct Game;
class Window;

// Draws the frame into the back buffer, presents it, and asks for a paint of whatever a
// drawing outside this paint changed.
void paintWindow(Game& game, Window& window);
// Draws the frame after an engine frame and asks the window to paint only the areas whose
// pixels changed, nothing when none did; the paint that follows then just presents.
void drawFrameAndInvalidate(Game& game, Window& window);
// Forgets the back buffer; the next paint starts from a fresh, white one.
void releaseBackBuffer(Game& game);
// The options the renderer draws with now: the preferences and the message-box state.
RenderOptions currentRenderOptions(const Game& game);
