// The game's clock: pause and resume, each frame's measured time, and when the next frame comes.
#pragma once

#include "platform/window.h"

#include <cstdint>

struct Game;

// The clock's state for the whole run.
struct ClockState {
    bool running = true;
    bool messageBoxUp = false;
    std::uint32_t previousTick = 0;
    std::uint32_t lastTick = 0;
    // The clock rests: the last frame asked for the next one only when something is due (or
    // not at all), and the engine has had no time since lastTick.
    bool resting = false;
    // Until this tick, frames keep the display's pace even on a resting board.
    std::uint32_t awakeUntil = 0;
    // A resume asked for inside a modal loop, carried out when the last one ends.
    bool resumeWaiting = false;
};

// A drag or a resize comes as a burst of messages: for this long after one, the frames keep the
// display's pace instead of resting between the messages.
constexpr std::uint32_t kAwakeAfterBurstMs = 2000;

// What a running clock asks for after a frame: the display's pace while anything moves or a
// burst of input is under way, else one frame when the next thing is due (msUntilDue; kNeverDue
// for none, until something wakes the clock).
NextFrame nextFrame(bool boardAtRest, std::uint32_t msUntilDue, bool awake);

// Stops the clock and the frames.
void pauseGame(Game& game);
// Re-bases the clock so paused time never reaches the engine, and redraws every cell. Inside a
// modal loop it takes effect when the last loop ends, unless a pause comes first.
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
