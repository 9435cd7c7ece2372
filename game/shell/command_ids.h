// Command ids of the menus and accelerators.
#pragma once

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
