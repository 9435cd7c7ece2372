// Fuzzes loading the high-score file in either layout, the legacy conversion included, and every
// read of the table that follows.
#include "fuzz_root.h"
#include "game/scores/high_score_table.h"

#include <cstdlib>

namespace {
std::filesystem::path tableFile;
HighScores highScores;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tableFile = makeFuzzRoot() / "my documents" / "high.scr";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeRaw(tableFile, data, size);
    loadHighScores(highScores, u"\\my documents\\high.scr");
    for (int level = 0; level < 3; ++level) {
        for (int place = 0; place < 10; ++place) {
            const auto& entry = highScores.table.entries[level][place];
            if (entry.name[kEntryNameUnits - 1] != 0 ||
                entryPassword(highScores.table, level, place).size() >= kEntryPasswordUnits) {
                std::abort(); // every field ends inside itself
            }
            isHighScore(highScores.table, level, entryScore(highScores.table, level, place) + 1);
        }
    }
    return 0;
}
