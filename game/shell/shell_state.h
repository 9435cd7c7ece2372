// The shell's one record for the whole run: install directory, clock and pause state.
#pragma once

#include <cstdint>

class DialogHost;
class MenuBar;
class SoundPlayer;
class Window;

constexpr int kPathUnits = 260;

struct ShellState {
    char16_t installDirectory[kPathUnits] = {}; // without a trailing backslash
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
    Window* mainWindow = nullptr;
    MenuBar* menuBar = nullptr;    // owned by the main window; null when it has none
    DialogHost* dialogs = nullptr; // every dialog, message box and help launch
    SoundPlayer* sounds = nullptr;
};

extern ShellState shell;
