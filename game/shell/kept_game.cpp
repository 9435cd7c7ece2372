// A game in progress kept in a file of its own while the program is closed, and found again.
#include "game/shell/kept_game.h"

#include "game/engine/moves.h"
#include "game/engine/saved_game.h"
#include "platform/files.h"

#include <algorithm>

namespace {

bool anyMove(const EngineState& state) {
    EngineState probe;
    std::copy(std::begin(state.board), std::end(state.board), std::begin(probe.board));
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            if ((column + 1 < kColumns && swapMakesRun(probe, column, row, column + 1, row)) ||
                (row + 1 < kRows && swapMakesRun(probe, column, row, column, row + 1))) {
                return true;
            }
        }
    }
    return false;
}

// The end test of the move search, on a board where the search can run.
bool gameEnded(const EngineState& state) {
    if (state.boardMoving || state.boardWasMoving) {
        return false;
    }
    if (state.level != Easy && state.timeLeftMs == 0) {
        return true;
    }
    return state.level != Expert && !anyMove(state);
}

std::optional<std::vector<std::uint8_t>> readKeptGame(std::u16string_view path) {
    return readWholeFile(path, kMaxSavedGameBytes);
}

} // namespace

bool gameInProgress(const EngineState& state) {
    return !state.demoMode && !gameEnded(state);
}

void keepGame(const EngineState& state, std::uint32_t randomState, std::u16string_view path) {
    if (gameInProgress(state)) {
        const auto bytes = encodeSavedGame(state, randomState);
        replaceFile(path, bytes.data(), bytes.size());
        return;
    }
    // A file this version cannot read may hold another version's game: it stays.
    EngineState ignored;
    std::uint32_t ignoredRandom = 0;
    const auto bytes = readKeptGame(path);
    if (bytes && decodeSavedGame(*bytes, ignored, ignoredRandom)) {
        deleteFile(path);
    }
}

std::optional<std::uint32_t> restoreKeptGame(EngineState& state, std::u16string_view path) {
    std::uint32_t randomState = 0;
    const auto bytes = readKeptGame(path);
    if (!bytes || !decodeSavedGame(*bytes, state, randomState)) {
        return std::nullopt;
    }
    return randomState;
}

void forgetKeptGame(std::u16string_view path) {
    deleteFile(path);
}
