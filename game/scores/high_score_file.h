// The byte layouts of the high-score file: the current 3060-byte one and the legacy 2520.
#pragma once

#include "game/scores/high_score_entry.h"

#include <cstdint>
#include <span>
#include <vector>

constexpr std::size_t kHighScoreFileBytes = 3060;   // 30 records of 62 + 40 bytes
constexpr std::size_t kLegacyScoreFileBytes = 2520; // 30 records of 62 + 22 bytes
constexpr std::size_t kLegacyPasswordUnits = 11;    // ten symbols and the terminator

// A record of the legacy file, still holding its legacy password.
struct LegacyScoreEntry {
    char16_t name[kEntryNameUnits] = {};
    char16_t password[kLegacyPasswordUnits] = {};
};

// The table as the file holds it: level-major records, UTF-16LE fields.
std::vector<std::uint8_t> highScoreFileBytes(const HighScoreTable& table);

// Reads the first 3060 bytes of `bytes` (which must hold them) into the table. The last unit
// of each field is made zero, so a field without its terminator still ends inside itself.
void readHighScoreFile(std::span<const std::uint8_t> bytes, HighScoreTable& table);

// Reads the first 2520 bytes of `bytes` (which must hold them) as 30 legacy records, each
// field likewise ending inside itself.
void readLegacyScoreFile(std::span<const std::uint8_t> bytes,
                         LegacyScoreEntry (&entries)[kScoreLevels * kScorePlaces]);
