// The high-score table's operations: load, save, reset, scores of entries and insertion.
#pragma once

#include "game/scores/high_score_entry.h"

#include <cstdint>
#include <string>
#include <string_view>

// The password every default entry holds, under the name "No name".
constexpr std::u16string_view kDefaultPassword = u"qdwnh";

// The table of the run and the file it was loaded from, which saves write; all zero until
// loadHighScores.
struct HighScores {
    HighScoreTable table;
    std::u16string file;
    // The file exists but could not be read: what it holds may be the player's scores, so this
    // run never writes over it; saves fail and say so, keeping the entries in memory.
    bool fileKept = false;
};

// Fills the table from the high-score file at `filePath` (the install directory's
// "high.scr"), which later saves write too. A file of 3060 bytes or more loads from its first
// 3060; one of 2520 or more is a legacy file, converted in memory only; a smaller one is told
// ("bad size") and replaced by default entries, as is a missing one (silently). One that exists
// but cannot be read is left as it is: the defaults stand in memory and no save of this run
// writes over it.
void loadHighScores(HighScores& highScores, std::u16string_view filePath);

// Writes the whole table, replacing the file atomically; tells when that fails and keeps the
// table as it is.
void saveHighScores(const HighScores& highScores);

// Fills the table with default entries and writes them; when the file cannot be written the
// program ends with "There is an error in the high score file.".
void resetHighScores(HighScores& highScores);

// The score an entry's password carries; 0 when it does not decode or the place is not one.
std::uint32_t entryScore(const HighScoreTable& table, int level, int place);
std::u16string entryPassword(const HighScoreTable& table, int level, int place);

// Whether the score beats the level's tenth place; a score equal to it does not.
bool isHighScore(const HighScoreTable& table, int level, std::uint32_t score);

// Puts a new entry into the level its password names, below every entry of an equal score,
// then saves. A password that does not decode, or does not fit the 19-symbol field, is
// refused: nothing changes and nothing is saved. Returns whether the password was taken.
bool addHighScore(HighScores& highScores, std::u16string_view name, std::u16string_view password);
