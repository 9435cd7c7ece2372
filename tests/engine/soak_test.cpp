// A thousand demo games from different seeds, played to their end with the rules checked each tick.
#include "engine_fixture.h"
#include "game/engine/animation.h"
#include "game/engine/board.h"
#include "game/engine/moves.h"
#include "game/engine/scoring.h"

#include <cstdlib>

namespace {

constexpr int kGames = 1000;
constexpr int kTickLimit = 200000;
constexpr std::size_t kEffectLimit = 1000;

// Ends the game when the demo board runs out of moves.
class DemoServices : public RecordingServices {
  public:
    bool ended = false;
    void pauseGame() override { ended = true; }
    void playSound(int) override {}
};

void checkInvariants(const EngineState& state) {
    for (const Cell& cell : state.board) {
        ASSERT_LE(cell.kind, 6);
        ASSERT_LE(std::abs(cell.offsetX), 29);
        ASSERT_LE(std::abs(cell.offsetY), 29);
    }
    ASSERT_GE(state.score, 0);
    ASSERT_LE(state.popups.size(), kEffectLimit);
    ASSERT_LE(state.sparkles.size(), kEffectLimit);
    if (!state.boardMoving && !state.boardWasMoving) {
        ASSERT_FALSE(boardHasRun(state));
    }
}

} // namespace

TEST(EngineSoak, ThousandDemoGamesEndAndKeepTheRules) {
    long totalTicks = 0;
    for (int game = 0; game < kGames; ++game) {
        DemoServices services;
        services.generator.seed(static_cast<std::uint32_t>(game * 7919 + 1));
        EngineState state;
        state.services = &services;
        newBoard(state);
        // Frame lengths from 25 to 80 ms, chosen per game, so that a thousand games stay quick.
        const std::uint32_t shortTick = 25 + game % 20;
        const std::uint32_t longTick = shortTick + game % 37;
        int ticks = 0;
        while (!services.ended && ticks < kTickLimit) {
            const std::uint32_t elapsed = ticks % 3 == 0 ? longTick : shortTick;
            // The invariants hold on the board the move search sees.
            tickBoard(state, elapsed);
            checkInvariants(state);
            if (!state.boardMoving && !state.boardWasMoving) {
                searchMoves(state);
            }
            tickEffects(state, elapsed);
            if (::testing::Test::HasFatalFailure()) {
                FAIL() << "game " << game << " tick " << ticks;
            }
            ++ticks;
        }
        ASSERT_TRUE(services.ended) << "game " << game << " never ended";
        EXPECT_TRUE(state.demoMode);
        totalTicks += ticks;
    }
    EXPECT_GT(totalTicks, kGames);
}
