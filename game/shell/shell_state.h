// The shell's one record for the whole run: install directory, clock and pause state.
#pragma once

#include <cstdint>

constexpr int kPathUnits = 260;

struct ShellState {
    char16_t installDirectory[kPathUnits] = {}; // without a trailing backslash
    bool running = true;
    bool messageBoxUp = false;
    std::uint32_t previousTick = 0;
    std::uint32_t lastTick = 0;
};

extern ShellState shell;
