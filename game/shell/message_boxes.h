// The game's message boxes, each shown with the game paused and the board whole behind it.
#pragma once

#include "platform/dialog_box.h"

#include <string_view>

struct Game;

// Pauses, draws the whole board, shows the box and resumes; gives the button pressed.
int showMessageBox(Game& game, std::u16string_view text, std::u16string_view caption,
                   MessageButtons buttons = MessageButtons::Ok);
// The box of a fatal error, with the game paused behind it; the caller then ends the program.
void showFatalError(Game& game, std::u16string_view text);
