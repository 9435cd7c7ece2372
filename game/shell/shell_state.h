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
    // The last frame let the frame clock rest: the engine has had no time since lastTick.
    bool clockResting = false;
    Window* mainWindow = nullptr;
    MenuBar* menuBar = nullptr;    // owned by the main window; null when it has none
    DialogHost* dialogs = nullptr; // every dialog, message box and help launch
    SoundPlayer* sounds = nullptr;
};

extern ShellState shell;
