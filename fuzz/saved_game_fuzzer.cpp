// Fuzzes reading a kept game: whatever the file holds, it is refused whole or taken exactly as the
// writer would have written it, and the game taken then plays on without a fault. Each input is
// read as it comes and again with its checksum made right, so the fields behind it are reached.
#include "fuzz_root.h"
#include "game/engine/engine_services.h"
#include "game/engine/saved_game.h"
#include "game/engine/swaps.h"
#include "game/engine/tick.h"
#include "game/shell/install_directory.h"
#include "game/shell/kept_game.h"
#include "platform/random.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

std::filesystem::path keptFile;

// The game's generator, and no sounds, boxes or dialogs: what a taken game plays on with.
class QuietServices final : public EngineServices {
  public:
    int randomValue() override { return nextRandom(); }
    void playSound(int) override {}
    int swapSpeed() override { return 130; }
    int fallSpeed() override { return 145; }
    void pauseGame() override {}
    void resumeGame() override {}
    void showMessageBox(std::u16string_view, std::u16string_view) override {}
    bool isHighScore(int, std::int32_t) override { return false; }
    void newHighScoreDialog(EngineState&) override {}
    void highScoresDialog(int) override {}
};
QuietServices services;
char16_t installDirectory[kPathUnits] = {};

void readAndPlay(const std::vector<std::uint8_t>& bytes) {
    writeRaw(keptFile, bytes.data(), bytes.size());
    EngineState state;
    state.services = &services;
    const auto randomState = restoreKeptGame(state, installPath(installDirectory, kKeptGameFile));
    if (!randomState) {
        return;
    }
    if (encodeSavedGame(state, *randomState) != bytes) {
        std::abort(); // taken only as the writer writes it
    }
    seedRandom(*randomState);
    // Two seconds of play and one long frame, the stylus trying a swap now and then.
    for (int frame = 0; frame < 120; ++frame) {
        if (frame % 30 == 0) {
            const int x = 4 + 29 * (frame % 8) + 5;
            stylusDown(state, x, 10 + 29 * (frame % 7) + 5, 1, 1);
            stylusDown(state, x, 10 + 29 * (frame % 7 + 1) + 5, 1, 1);
        }
        runTick(state, frame == 60 ? 5000 : 17);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    keptFile = makeFuzzRoot() / "my documents" / "zorv.sav";
    readInstallDirectory(installDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    readAndPlay(bytes);
    if (size >= 4) {
        const std::uint32_t crc = savedGameChecksum(std::span(bytes).first(size - 4));
        for (int i = 0; i < 4; ++i) {
            bytes[size - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        }
        readAndPlay(bytes);
    }
    return 0;
}
