// The game's clock: pause and resume, each frame's measured time, and when the next frame comes.
#pragma once

#include "platform/window.h"

#include <cstdint>

struct Game;

// A drag or a resize comes as a burst of messages: for this long after one, the frames keep the
// display's pace instead of resting between the messages.
constexpr std::uint32_t kAwakeAfterBurstMs = 2000;

// What a running clock asks for after a frame: the display's pace while anything moves or a
// burst of input is under way, else one frame when the next thing is due (msUntilDue; kNeverDue
// for none, until something wakes the clock).
NextFrame nextFrame(bool boardAtRest, std::uint32_t msUntilDue, bool awake);

// Stops the clock and the frames.
void pauseGame(Game& game);
// Re-bases the clock so paused time never reaches the engine, marks every cell to be drawn and
// gives the board the keyboard focus; it never brings the window forward, since a game resumes on
// its own (a demo's next board) under windows the player put in front. Inside a modal loop it takes
// effect when the last loop ends, unless a pause comes first.
void resumeGame(Game& game);
// One frame: measures dt since the last (wrap-safe), runs the engine, draws, and asks for the
// next frame: at the display's pace, or only when something is due on a resting board.
void frameTick(Game& game);
// A message from outside arrived (input, a command, an activation, a resize): a resting clock
// first runs the time it slept, as display-rate frames would have, so that the message finds
// the idle count and the time as they are now; the next frame then comes at once. A burst keeps
// the display's pace for kAwakeAfterBurstMs.
void wakeClock(Game& game, bool burst);
// Draws the whole picture now, outside the frames (a new size, another theme or colour, a box
// about to show), and has the window paint what changed.
void redrawAll(Game& game);
// The last modal loop has ended: a resume asked for inside it is carried out, and frames that
// ran when it began ask for the display's pace again.
void backAtTopLevel(Game& game);
