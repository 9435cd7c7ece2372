// Replays: the same seed, stylus points and tick lengths always give the same game.
#include "board_fixture.h"
#include "engine_fixture.h"
#include "game/engine/board.h"
#include "game/engine/swaps.h"
#include "game/engine/tick.h"

namespace {

struct Snapshot {
    std::vector<int> board;
    std::int32_t score;
    std::uint32_t timeLeftMs;

    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const EngineState& state) {
    Snapshot shot{{}, state.score, state.timeLeftMs};
    for (const Cell& cell : state.board) {
        shot.board.push_back(cell.kind | cell.state << 8);
        shot.board.push_back(cell.offsetX);
        shot.board.push_back(cell.offsetY);
    }
    return shot;
}

// A Normal game: every 40th tick the stylus taps a cell and its right or lower neighbour.
std::vector<Snapshot> playScript(std::uint32_t seed) {
    RecordingServices services;
    services.generator.seed(seed);
    EngineState state;
    state.services = &services;
    newBoard(state);
    state.demoMode = false;
    state.level = Normal;
    std::vector<Snapshot> shots;
    for (int tick = 0; tick < 3000; ++tick) {
        if (tick % 40 == 0 && !state.boardMoving) {
            const int column = (tick / 40) % 7;
            const int row = (tick / 280) % 7;
            const bool down = (tick / 40) % 2 == 1;
            const CellPoint first = cellCentre(column, row);
            const CellPoint second = cellCentre(column + !down, row + down);
            stylusDown(state, first.x, first.y, 1, 1);
            stylusDown(state, second.x, second.y, 1, 1);
        }
        runTick(state, 9 + static_cast<std::uint32_t>(tick % 17));
        shots.push_back(snapshot(state));
    }
    return shots;
}

} // namespace

TEST(EngineReplay, TheSameScriptGivesTheSameGameTickForTick) {
    const auto first = playScript(20240611);
    const auto second = playScript(20240611);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_TRUE(first[i] == second[i]) << "tick " << i;
    }
    EXPECT_GT(first.back().score, 0);
    EXPECT_FALSE(playScript(7) == first);
}
