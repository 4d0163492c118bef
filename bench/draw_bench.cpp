// A full repaint of the largest board at the largest tile size.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include "board.h"
#include "board_painter.h"
#include "random.h"
#include "tile_pictures.h"

using namespace qlx;

namespace {

void drawFullBoard(benchmark::State& state, int16_t tileSet, qreal ratio) {
    GameState s;
    s.options.gameMode = kStandardGame;
    s.options.numColors = 8;
    s.options.tileSizeIndex = 2;
    s.options.tileSet = tileSet;
    resetBoard(s, 25, 20);
    GameRandom rnd;
    fillBoard(s, rnd);
    TilePictures pictures;
    QImage image(static_cast<int>(1200 * ratio), static_cast<int>(960 * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (int k = 1; k <= 45; ++k) {
        if (pictures.list(2).picture(k, ratio).isNull() && k % 9 != 0) state.SkipWithError("tile pictures missing");
    }
    for (auto _ : state) {
        image.fill(QColor(128, 128, 255));
        QPainter p(&image);
        drawBoard(p, s, s.board, pictures.list(2));
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_DrawBoard25x20At48(benchmark::State& state) { drawFullBoard(state, 0, 1.0); }
void BM_DrawBoard25x20At48Stars(benchmark::State& state) { drawFullBoard(state, 1, 1.0); }
void BM_DrawBoard25x20At48OnA2xScreen(benchmark::State& state) { drawFullBoard(state, 0, 2.0); }
BENCHMARK(BM_DrawBoard25x20At48)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBoard25x20At48Stars)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBoard25x20At48OnA2xScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

// QtGui needs an application object for its painting; no window is shown.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
