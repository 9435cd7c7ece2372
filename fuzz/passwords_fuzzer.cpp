// Fuzzes both password decoders, and the Add High Score path that stores what they accept.
#include "fuzz_root.h"
#include "game/scores/high_score_table.h"
#include "game/scores/password_codec.h"

namespace {
HighScores highScores;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeFuzzRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = utf16Units(data, size);

    // The legacy conversion encodes whatever the old form gives, level and tag unchecked.
    PasswordContent legacy;
    if (decodeLegacyPassword(text, legacy)) {
        encodePassword(legacy.score, legacy.tag, legacy.level);
    }

    PasswordContent content;
    if (!decodePassword(text, content)) {
        return 0;
    }
    // What decodes can be added; the table stays thirty terminated entries.
    addHighScore(highScores, u"fuzz", text);
    for (int level = 0; level < 3; ++level) {
        for (int place = 0; place < 10; ++place) {
            if (entryPassword(highScores.table, level, place).size() >= kEntryPasswordUnits) {
                std::abort();
            }
        }
    }
    // An issued password for what was read decodes to the same score and level.
    if (content.tag >= 0 && content.tag <= 23 && content.level >= 0 && content.level <= 2) {
        PasswordContent again;
        if (!decodePassword(encodePassword(content.score, content.tag, content.level), again) ||
            again.score != content.score || again.level != content.level) {
            std::abort();
        }
    }
    return 0;
}
