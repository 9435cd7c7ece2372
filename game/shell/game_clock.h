// Pause and resume, message boxes, and one frame of engine work with the measured time.
#pragma once

#include "platform/dialog_box.h"

#include <string_view>

// Stops the clock (and the frame timer) and releases the back buffer.
void pauseGame();
// Re-bases the clock so paused time never reaches the engine, and redraws every cell. Inside a
// modal loop it takes effect when the last loop ends, unless a pause comes first.
void resumeGame();
// Shows a message box with the game paused; every cell is drawn while it shows.
int showMessageBox(std::u16string_view text, std::u16string_view caption,
                   MessageButtons buttons = MessageButtons::Ok);
// The box of a fatal error, with the game paused behind it; the caller then ends the program.
void showFatalError(std::u16string_view text);
// The board takes no stylus or key in the demo, while it moves, while paused or under a box.
bool boardInputRefused();
// One frame: measures dt since the last (wrap-safe), runs the engine, asks for a paint, and
// lets the frame clock rest while the board rests with nothing due.
void frameTick();
// Before a message from outside is handled: a resting clock has handed the engine nothing since
// its last frame, so that time is run first, as display-rate frames would have run it; the
// message then finds the idle count and the time as they are now.
void catchUpRestingClock();
