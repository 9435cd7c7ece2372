// What theme loading takes from the shell: the current theme path, its saving and the install
// directory.
#pragma once

#include <cstddef>
#include <functional>

constexpr std::size_t kThemePathUnits = 260;

// Handed in by the shell with each call; theme loading never reaches into the shell.
struct ThemeSettings {
    char16_t* themePath = nullptr;              // the preferences' field of kThemePathUnits units
    const char16_t* installDirectory = nullptr; // kThemePathUnits units, no trailing backslash
    std::function<void()> savePreferences;
};
