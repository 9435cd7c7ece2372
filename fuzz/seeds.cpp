// Writes the fuzzers' seed corpora with the project's own writers: fuzz_seeds <corpus folder>.
#include "game/engine/board.h"
#include "game/engine/tick.h"
#include "game/engine/saved_game.h"
#include "game/engine/swaps.h"
#include "game/scores/high_score_file.h"
#include "game/scores/password_codec.h"
#include "game/shell/preferences.h"
#include "platform/text.h"
#include "theme_format/theme_file.h"

#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace fs = std::filesystem;

namespace {

template <typename Bytes>
void writeSeed(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> utf16le(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xff));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> bitmapBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(200, 30, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return {bytes.begin(), bytes.end()};
}

void themeSeeds(const fs::path& folder) {
    const auto toUtf16 = [](std::string_view text) { return utf16FromUtf8(text); };
    std::vector<std::uint8_t> records[kThemeRecordCount];
    for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
        records[k] = bitmapBytes(2, 2);
    }
    writeSeed(folder, "pieces.zpk", *themeFileBytes("Gems", toUtf16, records));
    for (auto& record : records) {
        record.assign(3, 'b');
    }
    writeSeed(folder, "short-records.zpk", *themeFileBytes("", toUtf16, records));
}

void highScoreSeeds(const fs::path& folder) {
    HighScoreTable table;
    for (int level = 0; level < 3; ++level) {
        for (int place = 0; place < 10; ++place) {
            setFieldText(table.entries[level][place].name, u"No name");
            setFieldText(table.entries[level][place].password,
                         encodePassword(std::uint32_t(1000 * (10 - place)), kIssuedPasswordTag,
                                        level, place));
        }
    }
    const auto bytes = highScoreFileBytes(table);
    writeSeed(folder, "table.scr", bytes);
    // The legacy layout: the same names with ten-symbol texts in 11-unit fields.
    std::vector<std::uint8_t> legacy;
    for (int record = 0; record < 30; ++record) {
        const auto name = utf16le(u"No name");
        legacy.insert(legacy.end(), name.begin(), name.end());
        legacy.resize(legacy.size() + 62 - name.size());
        const auto password = utf16le(u"qdwnhqdwnh");
        legacy.insert(legacy.end(), password.begin(), password.end());
        legacy.resize(legacy.size() + 2);
    }
    writeSeed(folder, "legacy.scr", legacy);
}

void preferenceSeeds(const fs::path& folder) {
    Preferences record;
    record.hintsOn = 1;
    record.colorCommand = 40020;
    setFieldText(record.themePath, u"\\my documents\\zorv themes\\gems.zpk");
    record.speedCommand = 40040;
    const auto bytes = encodePreferences(record);
    writeSeed(folder, "whole.prf", bytes);
    writeSeed(folder, "short.prf", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100));
}

// Two kept games: one resting, one in the middle of a chain with pop-ups and sparkles showing.
void savedGameSeeds(const fs::path& folder) {
    EngineState state;
    newBoard(state);
    state.demoMode = false;
    state.level = 1;
    writeSeed(folder, "resting.sav", encodeSavedGame(state, 12345));
    for (int frame = 0; frame < 5000 && state.sparkles.empty(); ++frame) {
        if (frame % 20 == 0) {
            const int column = (frame / 20) % 7;
            const int row = (frame / 140) % 8;
            stylusDown(state, 4 + 29 * column + 5, 10 + 29 * row + 5, 1, 1);
            stylusDown(state, 4 + 29 * (column + 1) + 5, 10 + 29 * row + 5, 1, 1);
        }
        runTick(state, 17);
    }
    writeSeed(folder, "effects.sav", encodeSavedGame(state, 54321));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds <corpus folder>\n";
        return 2;
    }
    const fs::path corpus = argv[1];
    themeSeeds(corpus / "theme_readers");
    writeSeed(corpus / "passwords", "issued",
              utf16le(encodePassword(123456, kIssuedPasswordTag, 1, 7)));
    writeSeed(corpus / "passwords", "legacy", utf16le(u"qdwnhqdwnh"));
    preferenceSeeds(corpus / "preferences");
    highScoreSeeds(corpus / "high_scores");
    writeSeed(corpus / "bitmap", "piece.bmp", bitmapBytes(4, 3));
    const std::string registry = "[SOFTWARE\\Apps\\Quendlex Zorvagon]\ninstalldir=\\Games\\Zorv\n";
    writeSeed(corpus / "registry", "registry.ini", registry);
    savedGameSeeds(corpus / "saved_game");
    return 0;
}
