// The player's options and current theme: one 552-byte record, saved whole at every change.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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

    // The background as red + 256 * green + 65536 * blue.
    std::uint32_t backgroundColor() const {
        return backgroundRed | (backgroundGreen << 8) | (backgroundBlue << 16);
    }
};

extern Preferences preferences;

// The record as it lies in the file, little-endian, field by field.
std::array<std::uint8_t, kPreferencesBytes> encodePreferences(const Preferences& record);
// Fills the fields the first `count` bytes cover; the others keep what they hold.
void decodePreferences(const std::uint8_t* bytes, std::size_t count, Preferences& record);

void loadPreferences();
void savePreferences();
void resetPreferences();

int toggleHints();
int toggleSound();
int toggleTurnScore();
int toggleTransparency();
void setColor(int commandId);
void setSpeed(int commandId);

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
