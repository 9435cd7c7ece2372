// The game window's procedure: start and end, pause and resume, paints, stylus and commands.
#pragma once

#include "game/shell/command_ids.h"
#include "platform/window.h"

struct Game;

bool mainWindowProc(Game& game, Window& window, const WindowMessage& message);
