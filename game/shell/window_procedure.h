// The game window's procedure: start and end, pause and resume, paints, stylus and commands.
#pragma once

#include "platform/window_message.h"

// Command ids of the menus and accelerators.
enum : int {
    kCommandQuitKey = 1,
    kCommandAbout = 40003,
    kCommandQuit = 40004,
    kCommandNew = 40012,
    kCommandLoadTheme = 40013,
    kCommandHints = 40017,
    kCommandHighScores = 40018,
    kCommandSounds = 40031,
    kCommandPause = 40032,
    kCommandTurnScore = 40041,
    kCommandTransparency = 40042,
};

bool mainWindowProc(Window& window, const WindowMessage& message);
