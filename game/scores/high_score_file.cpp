// The byte layouts of the high-score file: the current 3060-byte one and the legacy 2520.
#include "game/scores/high_score_file.h"

namespace {

void putField(std::vector<std::uint8_t>& bytes, const char16_t* field, std::size_t units) {
    for (std::size_t i = 0; i < units; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(field[i] & 0xff));
        bytes.push_back(static_cast<std::uint8_t>(field[i] >> 8));
    }
}

// Reads a field at `at` and moves past it; its last unit is always the terminator.
void takeField(std::span<const std::uint8_t> bytes, std::size_t& at, char16_t* field,
               std::size_t units) {
    for (std::size_t i = 0; i < units; ++i, at += 2) {
        field[i] = static_cast<char16_t>(bytes[at] | bytes[at + 1] << 8);
    }
    field[units - 1] = u'\0';
}

} // namespace

std::vector<std::uint8_t> highScoreFileBytes(const HighScoreTable& table) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kHighScoreFileBytes);
    for (const auto& level : table.entries) {
        for (const HighScoreEntry& entry : level) {
            putField(bytes, entry.name, kEntryNameUnits);
            putField(bytes, entry.password, kEntryPasswordUnits);
        }
    }
    return bytes;
}

void readHighScoreFile(std::span<const std::uint8_t> bytes, HighScoreTable& table) {
    if (bytes.size() < kHighScoreFileBytes) {
        return;
    }
    std::size_t at = 0;
    for (auto& level : table.entries) {
        for (HighScoreEntry& entry : level) {
            takeField(bytes, at, entry.name, kEntryNameUnits);
            takeField(bytes, at, entry.password, kEntryPasswordUnits);
        }
    }
}

void readLegacyScoreFile(std::span<const std::uint8_t> bytes,
                         LegacyScoreEntry (&entries)[kScoreLevels * kScorePlaces]) {
    if (bytes.size() < kLegacyScoreFileBytes) {
        return;
    }
    std::size_t at = 0;
    for (LegacyScoreEntry& entry : entries) {
        takeField(bytes, at, entry.name, kEntryNameUnits);
        takeField(bytes, at, entry.password, kLegacyPasswordUnits);
    }
}
