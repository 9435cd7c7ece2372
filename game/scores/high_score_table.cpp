// The high-score table's operations: load, save, reset, scores of entries and insertion.
#include "game/scores/high_score_table.h"

#include "game/scores/high_score_file.h"
#include "game/scores/password_codec.h"
#include "game/scores/score_services.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/translation.h"

#include <algorithm>

namespace {

bool validPlace(int level, int place) {
    return level >= 0 && level < kScoreLevels && place >= 0 && place < kScorePlaces;
}

bool writeTable(const HighScores& highScores) {
    if (highScores.fileKept) {
        return false;
    }
    const auto bytes = highScoreFileBytes(highScores.table);
    return replaceFile(highScores.file, bytes.data(), bytes.size());
}

// A legacy password that does not decode gives the score 0 on the level of its place.
void convertLegacyFile(std::span<const std::uint8_t> bytes, HighScoreTable& table) {
    LegacyScoreEntry legacy[kScoreLevels * kScorePlaces];
    readLegacyScoreFile(bytes, legacy);
    for (int j = 0; j < kScoreLevels * kScorePlaces; ++j) {
        HighScoreEntry& entry = table.entries[j / kScorePlaces][j % kScorePlaces];
        setFieldText(entry.name, fieldText(legacy[j].name));
        PasswordContent content;
        if (!decodeLegacyPassword(fieldText(legacy[j].password), content)) {
            content = {0, kIssuedPasswordTag, j / kScorePlaces};
        }
        setFieldText(entry.password, encodePassword(content.score, content.tag, content.level));
    }
}

void fillWithDefaultEntries(HighScoreTable& table) {
    for (auto& level : table.entries) {
        for (HighScoreEntry& entry : level) {
            setFieldText(entry.name, u"No name");
            setFieldText(entry.password, kDefaultPassword);
        }
    }
}

int firstPlaceBelow(const HighScoreTable& table, int level, std::uint32_t score) {
    for (int place = 0; place < kScorePlaces; ++place) {
        if (entryScore(table, level, place) < score) {
            return place;
        }
    }
    return kScorePlaces;
}

} // namespace

void loadHighScores(HighScores& highScores, std::u16string_view filePath) {
    highScores.file = filePath;
    const FileStart file = readFileStartOrWhyNot(highScores.file, kHighScoreFileBytes);
    highScores.fileKept = file.state == FileStart::State::Unreadable;
    if (file.state == FileStart::State::Missing) {
        resetHighScores(highScores);
    } else if (highScores.fileKept) {
        fillWithDefaultEntries(highScores.table);
    } else if (file.bytes.size() == kHighScoreFileBytes) {
        readHighScoreFile(file.bytes, highScores.table);
    } else if (file.bytes.size() >= kLegacyScoreFileBytes) {
        convertLegacyFile(file.bytes, highScores.table);
    } else {
        messageBoxService().showMessageBox(translate("HighScoreFile", "bad size"),
                                           translate("HighScoreFile", "H"));
        resetHighScores(highScores);
    }
}

void saveHighScores(const HighScores& highScores) {
    if (!writeTable(highScores)) {
        messageBoxService().showMessageBox(
            translate("HighScoreFile", "Could not save high score file."),
            translate("HighScoreFile", "File System Error"));
    }
}

void resetHighScores(HighScores& highScores) {
    fillWithDefaultEntries(highScores.table);
    if (!writeTable(highScores)) {
        messageBoxService().showMessageBox(
            translate("HighScoreFile", "There is an error in the high score file."),
            translate("HighScoreFile", "Fatal Error"));
        programEndService().endProgram(0);
    }
}

std::uint32_t entryScore(const HighScoreTable& table, int level, int place) {
    PasswordContent content;
    if (!validPlace(level, place) ||
        !decodePassword(fieldText(table.entries[level][place].password), content)) {
        return 0;
    }
    return content.score;
}

std::u16string entryPassword(const HighScoreTable& table, int level, int place) {
    if (!validPlace(level, place)) {
        return {};
    }
    return std::u16string(fieldText(table.entries[level][place].password));
}

bool isHighScore(const HighScoreTable& table, int level, std::uint32_t score) {
    return entryScore(table, level, kScorePlaces - 1) < score;
}

bool addHighScore(HighScores& highScores, std::u16string_view name, std::u16string_view password) {
    PasswordContent content;
    if (password.size() >= kEntryPasswordUnits || password.find(u'\0') != password.npos ||
        !decodePassword(password, content)) {
        return false;
    }
    auto& level = highScores.table.entries[content.level];
    const int place = firstPlaceBelow(highScores.table, content.level, content.score);
    if (place < kScorePlaces) {
        std::copy_backward(level + place, level + kScorePlaces - 1, level + kScorePlaces);
        level[place] = HighScoreEntry{};
        setFieldText(level[place].name, name);
        setFieldText(level[place].password, password);
    }
    saveHighScores(highScores);
    return true;
}
