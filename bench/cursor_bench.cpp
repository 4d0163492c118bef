// Keyboard play on the largest board (25 x 20 at 48 px): what the cursor and
// the outline of its group add to a paint of the board, and the time from an
// arrow key to the outlined group painted on the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "startup.h"
#include "board_picture.h"
#include "main_window.h"
#include "help_window.h"
#include "qt_services.h"

using namespace qlx;

namespace {

// Qt's screen metrics on a screen with room for the largest board at 48 px,
// whatever screen the benchmark runs on.
struct RoomyScreen final : ScreenMetrics {
    QtScreenMetrics qt;
    float twipsPerPixelX() const override { return qt.twipsPerPixelX(); }
    float twipsPerPixelY() const override { return qt.twipsPerPixelY(); }
    ScreenArea availableArea(int, int) const override { return {0, 0, 4000, 4000}; }
};

// The real program with its Qt services, on the largest grid with the biggest tiles.
struct Running {
    QtMessageBox messages;
    QtSound sound;
    QtMovePause pause;
    QtWebLink web;
    HelpWindow help;
    RoomyScreen screen;
    GameRandom random;  // the first deal, as at start-up
    Services services{messages, sound, pause, web, help, screen, nullptr, ".", {std::nullopt, std::nullopt}};
    Program program{random};
    std::unique_ptr<MainWindow> window;
    explicit Running(bool oneKind) {
        window = startProgram(program, services);
        window->tileSizeChosen(2);
        window->gridSizeChosen(3);
        if (oneKind) std::fill(program.flow.stateForTests().board.begin(), program.flow.stateForTests().board.end(), int16_t{1});
        resetBorderAndDraw();
    }
    void resetBorderAndDraw() {
        GameState& g = program.flow.stateForTests();
        for (int16_t i = 0; i < g.numCells; ++i)
            if (!isInside(g, i)) g.board[i] = kBorder;
        window->tileSetChosen(0);
    }
    BoardPicture* board() const { return window->board(); }
    // The cursor on the first tile, from the bottom right, that lies in a group.
    void cursorOnAGroup() {
        const GameState& g = program.flow.stateForTests();
        for (int i = g.numCols * g.numRows - 1; i >= 0; --i) {
            const Cell c = *cellAt(g, i % g.numCols, i / g.numCols);
            if (groupAt(g, c).points > 0) return board()->setCursor(c);
        }
    }
};

// A paint of the board picture into an image, with the cursor on a group of
// the first deal (state.range(0) = 0), on a board of one kind: the whole
// board one group of 500 (1), or without the cursor (-1).
void BM_PaintBoard(benchmark::State& state) {
    Running r(state.range(0) == 1);
    if (state.range(0) >= 0) r.cursorOnAGroup();
    QImage target(r.board()->size() * r.board()->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) r.board()->render(&target);
    state.counters["group"] = static_cast<double>(r.board()->cursorGroup().cells.size());
}
BENCHMARK(BM_PaintBoard)->Arg(-1)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// An arrow key sent to the board, and the event loop run until the window
// has painted the cursor's new cell with its outlined group.
void BM_KeyToOutlinedGroupOnScreen(benchmark::State& state) {
    Running r(state.range(0) == 1);
    r.cursorOnAGroup();
    QApplication::processEvents();
    int k = 0;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, (++k % 2) ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(r.board(), &key);
        QApplication::processEvents();
    }
    state.counters["group"] = static_cast<double>(r.board()->cursorGroup().cells.size());
}
BENCHMARK(BM_KeyToOutlinedGroupOnScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

// The offscreen platform unless another is asked for (QT_QPA_PLATFORM=xcb under an X server).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
