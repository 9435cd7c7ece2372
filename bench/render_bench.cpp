// Timings of one whole frame's drawing into the back buffer, and of telling what changed.
#include "game/engine/board.h"
#include "game/render/renderer.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// A round piece of its own colour on a white ground, like the built-in set.
Bitmap pieceBitmap(int kind) {
    QImage image(28, 28, QImage::Format_RGB32);
    for (int y = 0; y < 28; ++y) {
        for (int x = 0; x < 28; ++x) {
            const int dx = x - 14;
            const int dy = y - 14;
            image.setPixel(x, y,
                           dx * dx + dy * dy < 150 ? qRgb(40 * kind, 200 - 20 * kind, 90)
                                                   : qRgb(255, 255, 255));
        }
    }
    return *Bitmap::fromImage(image);
}

const PieceArt& benchArt() {
    static const PieceArt art = [] {
        PieceArt made;
        for (int kind = 0; kind < kPieceKinds; ++kind) {
            made.pieces[std::size_t(kind)] = pieceBitmap(kind);
        }
        made.hintMarker = pieceBitmap(0);
        made.selectionMarker = pieceBitmap(1);
        return made;
    }();
    return art;
}

EngineState gameBoard() {
    EngineState state;
    state.demoMode = false;
    state.level = Normal;
    state.timeLeftMs = 60000;
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            state.cell(column, row).kind = std::uint8_t((column + 2 * row) % kPieceKinds);
        }
    }
    state.hintMove = {2, 3, 3, 3};
    return state;
}

// One frame at the scale: the drawing, with the areas that changed. A full board draws every
// part, as after a change of theme; a resting one what the frames draw by themselves.
void frame(benchmark::State& run, bool everyPart) {
    const int scale = int(run.range(0));
    EngineState state = gameBoard();
    Renderer renderer;
    const PixelSize client{240 * scale, 294 * scale};
    const RenderOptions options;
    renderer.draw(client, state, benchArt(), options);
    for (auto _ : run) {
        if (everyPart) {
            renderer.forget();
        }
        benchmark::DoNotOptimize(renderer.draw(client, state, benchArt(), options));
    }
}

void BM_RestingBoardFrame(benchmark::State& run) {
    frame(run, false);
}
BENCHMARK(BM_RestingBoardFrame)->Arg(1)->Arg(3);

void BM_FullBoardFrame(benchmark::State& run) {
    frame(run, true);
}
BENCHMARK(BM_FullBoardFrame)->Arg(1)->Arg(3);

} // namespace

int main(int argc, char** argv) {
    // Text needs a font system; no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
