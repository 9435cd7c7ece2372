// The high-score table: ten places for each of the three levels, each a name and a password.
#pragma once

#include <cstddef>

constexpr int kScoreLevels = 3;
constexpr int kScorePlaces = 10;
constexpr std::size_t kEntryNameUnits = 31;     // 30 characters and the terminator
constexpr std::size_t kEntryPasswordUnits = 20; // 19 symbols and the terminator

// No score is stored: it is decoded from the password whenever it is needed.
struct HighScoreEntry {
    char16_t name[kEntryNameUnits] = {};
    char16_t password[kEntryPasswordUnits] = {};
};

// Place 0 of each level is the best.
struct HighScoreTable {
    HighScoreEntry entries[kScoreLevels][kScorePlaces] = {};
};
