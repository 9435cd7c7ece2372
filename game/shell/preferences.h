// The player's options and current theme: one 552-byte record, saved whole at every change.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

constexpr std::size_t kPreferencesBytes = 552;

struct Preferences {
    std::int32_t hintsOn = 0;
    std::uint8_t backgroundRed = 0;
    std::uint8_t backgroundGreen = 0;
    std::uint8_t backgroundBlue = 0;
    std::uint8_t reserved7 = 0;
    std::int32_t colorCommand = 0;
    char16_t themePath[260] = {};
    std::int32_t soundOn = 0;
    std::int32_t showTurnScore = 0;
    std::int32_t transparencyOn = 0;
    std::uint8_t swapSpeed = 0;
    std::uint8_t fallSpeed = 0;
    std::uint8_t reserved546[2] = {};
    std::int32_t speedCommand = 0;

    // Not in the file: set when the file exists but could not be read. What it holds may be the
    // player's, so this run never writes over it and goes on with the defaults in memory.
    bool fileKept = false;

    // The background as red + 256 * green + 65536 * blue.
    std::uint32_t backgroundColor() const {
        return backgroundRed | (backgroundGreen << 8) | (backgroundBlue << 16);
    }
};

// The record as it lies in the file, little-endian, field by field.
std::array<std::uint8_t, kPreferencesBytes> encodePreferences(const Preferences& record);
// Fills the fields the first `count` bytes cover; the others keep what they hold.
void decodePreferences(const std::uint8_t* bytes, std::size_t count, Preferences& record);

// The record from `file` (the install directory's "zorv.prf"); one that is missing or short is
// given the defaults and written back.
void loadPreferences(Preferences& preferences, std::u16string_view file);
// Writes the whole record; a failure is silent and the change stays in memory for the run.
void savePreferences(const Preferences& preferences, std::u16string_view file);
void resetPreferences(Preferences& preferences, std::u16string_view file);

// Each option flips, the record is saved to `file`, and the new value is given.
int toggleHints(Preferences& preferences, std::u16string_view file);
int toggleSound(Preferences& preferences, std::u16string_view file);
int toggleTurnScore(Preferences& preferences, std::u16string_view file);
int toggleTransparency(Preferences& preferences, std::u16string_view file);
// The colour or speed of the menu command, saved to `file`.
void setColor(Preferences& preferences, std::u16string_view file, int commandId);
void setSpeed(Preferences& preferences, std::u16string_view file, int commandId);

// Menu command ids of the colours and speeds.
enum : int {
    kColorGrey = 40020,
    kColorBlue = 40021,
    kColorWhite = 40026,
    kColorRed = 40027,
    kColorGreen = 40028,
    kColorCyan = 40029,
    kColorBlack = 40030,
    kSpeedNormal = 40037,
    kSpeedFast = 40038,
    kSpeedFaster = 40039,
    kSpeedInstant = 40040,
};
