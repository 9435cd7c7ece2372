// Timings of the engine's per-frame work: one tick, one move search, one whole demo game.
#include "game/engine/animation.h"
#include "game/engine/board.h"
#include "game/engine/engine_services.h"
#include "game/engine/moves.h"
#include "game/engine/tick.h"
#include "platform/random.h"

#include <benchmark/benchmark.h>

namespace {

class BenchServices : public EngineServices {
  public:
    RandomGenerator generator;
    bool ended = false;

    int randomValue() override { return generator.next(); }
    void playSound(int) override {}
    int swapSpeed() override { return 130; }
    int fallSpeed() override { return 145; }
    void pauseGame() override { ended = true; }
    void resumeGame() override {}
    void showMessageBox(std::u16string_view, std::u16string_view) override {}
    bool isHighScore(int, std::int32_t) override { return false; }
    void newHighScoreDialog(EngineState&) override {}
    void highScoresDialog(int) override {}
};

// A dealt board, not in demo mode, so the search only finds the hint.
EngineState restingBoard(BenchServices& services) {
    EngineState state;
    state.services = &services;
    newBoard(state);
    state.demoMode = false;
    return state;
}

void BM_TickBoard(benchmark::State& run) {
    BenchServices services;
    EngineState state = restingBoard(services);
    // A whole column falling keeps the board busy.
    for (auto _ : run) {
        if (!state.boardMoving) {
            for (int row = 0; row < kRows; ++row) {
                clearCell(state, 3, row);
            }
        }
        tickBoard(state, 16);
        benchmark::DoNotOptimize(state.board);
    }
}
BENCHMARK(BM_TickBoard);

void BM_SearchMoves(benchmark::State& run) {
    BenchServices services;
    EngineState state = restingBoard(services);
    for (auto _ : run) {
        searchMoves(state);
        benchmark::DoNotOptimize(state.hintMove);
    }
}
BENCHMARK(BM_SearchMoves);

void BM_DemoGame(benchmark::State& run) {
    std::uint32_t seed = 1;
    for (auto _ : run) {
        BenchServices services;
        services.generator.seed(seed++);
        EngineState state;
        state.services = &services;
        newBoard(state);
        for (int tick = 0; tick < 1000000 && !services.ended; ++tick) {
            runTick(state, 16);
        }
        benchmark::DoNotOptimize(state.score);
    }
}
BENCHMARK(BM_DemoGame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
