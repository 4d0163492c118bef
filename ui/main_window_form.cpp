// The main window as a form: its controls with their design values, the menu
// tree, and the layout that fits the window to the board.
#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "accessibility.h"
#include "board_picture.h"
#include "captions.h"
#include "assist_view.h"
#include "main_window.h"
#include "screen_watch.h"
#include "searches.h"
#include "stats_frame.h"
#include "ui_look.h"

namespace qlx {

namespace {

// Layout of the window around the board, in twips and pixels.
constexpr float kExtraHeightTwips = 1000.0f;
constexpr float kExtraWidthTwips = 600.0f;
constexpr float kMoreWidthTwips = 1000.0f;
constexpr int kPanelGap = 15;  // pixels
constexpr int kSmallestTile = 8;  // pixels: the least that a board is shrunk to on a small screen

}  // namespace

MainWindow::MainWindow(Program& program, Services& services, QWidget* parent)
    : QMainWindow(parent), program_(program), services_(services), flow_(program.flow) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    // A caption, a menu bar and a minimise box; no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    assist_ = new AssistView(this);
    connect(assist_, &AssistView::undoChosen, this, &MainWindow::undoChosen);
    connect(assist_, &AssistView::redoChosen, this, &MainWindow::redoChosen);
    connect(assist_, &AssistView::hintChosen, this, &MainWindow::hintChosen);
    searches_ = new Searches(services.searchBudgets, this);
    connect(searches_, &Searches::answered, this, &MainWindow::searchAnswered);
    buildControls();
    buildMenus();
    new ScreenWatch(this, [this] { fitToScreen(); });
    buildAccess();
    connect(&clockTimer_, &GameTimer::tick, this, &MainWindow::clockTick);
    connect(&fallingTimer_, &GameTimer::tick, this, &MainWindow::fallingTick);
}

MainWindow::~MainWindow() = default;

QGroupBox* MainWindow::statsFrame() const { return statsFrame_; }
QLabel* MainWindow::scoreLabel() const { return statsFrame_->scoreLabel(); }
QLabel* MainWindow::bestScoreLabel() const { return statsFrame_->bestScoreLabel(); }
QLabel* MainWindow::timeCaption() const { return statsFrame_->timeCaption(); }
QLabel* MainWindow::timeLabel() const { return statsFrame_->timeLabel(); }

// ---------------------------------------------------------------- controls

void MainWindow::buildControls() {
    const TwipScale tw(services_.screen);
    auto* surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("surface"));
    setBackground(surface, kWindowBackground);
    surface->setFont(uiFont(8.25));
    setCentralWidget(surface);
    surface->installEventFilter(this);

    board_ = new BoardPicture(surface);
    board_->setObjectName(QStringLiteral("board"));
    board_->setFont(uiFont(8.25));
    board_->move(0, 0);
    board_->setFlow(&flow_);
    connect(board_, &BoardPicture::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) { boardPressed(x, y); });

    statsFrame_ = new StatsPanel(tw, *assist_, surface);
    statsFrame_->setAttribute(Qt::WA_NoMousePropagation);

    resumeButton_ = designButton(surface, "resumeButton", QStringLiteral("Resume Game"), tw, 2430, 2490, 2580, 600);
    resumeButton_->setFont(uiFont(12, true));
    resumeButton_->hide();
    connect(resumeButton_, &QPushButton::clicked, this, &MainWindow::resumeClicked);

    // The tab order of the window's own controls.
    setTabOrder(board_, statsFrame_);
    setTabOrder(statsFrame_, resumeButton_);

    // Both timers start enabled with no period: they do not fire before a game sets one.
    clockTimer_.setInterval(0);
    fallingTimer_.setInterval(0);
}

namespace {

// A group of alike menu items, one action per caption, each calling handler with its index.
template <std::size_t N, typename Handler>
void addMenuGroup(QMenu* menu, std::array<QAction*, N>& group, const std::array<const char*, N>& captions,
                  Handler handler) {
    for (int16_t i = 0; i < static_cast<int16_t>(N); ++i) {
        group[i] = menu->addAction(QString::fromLatin1(captions[i]), menu, [handler, i] { handler(i); });
        group[i]->setCheckable(true);
    }
}

}  // namespace

void MainWindow::buildMenus() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("Game"));
    game->addAction(QStringLiteral("standard"), this, &MainWindow::standardGameChosen);
    game->addAction(QStringLiteral("Falling Blocks"), this, &MainWindow::fallingTilesChosen);
    game->addSeparator();
    pauseAction_ = game->addAction(QStringLiteral("Pause"), this, &MainWindow::pauseChosen);
    assist_->addMenuItems(game);
    buildDeals(game);
    game->addSeparator();
    game->addAction(QStringLiteral("Scores"), this, &MainWindow::scoresChosen);
    game->addSeparator();
    game->addAction(QStringLiteral("Exit"), this, &MainWindow::exitChosen);

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    // The grid sizes' captions are written by applyOptionsToMenus.
    addMenuGroup(options->addMenu(QStringLiteral("Grid Size")), gridSizeActions_, {"SIZ1", "", "", ""},
                 [this](int16_t i) { gridSizeChosen(i); });
    addMenuGroup(options->addMenu(QStringLiteral("Size")), tileSizeActions_, {"small", "Standard", "Big"},
                 [this](int16_t i) { tileSizeChosen(i); });
    addMenuGroup(options->addMenu(QStringLiteral("Number Of Tiles")), kindCountActions_, {"5", "6", "7", "8"},
                 [this](int16_t i) { kindCountChosen(i); });
    addMenuGroup(options->addMenu(QStringLiteral("Tile")), tileSetActions_,
                 {"Classic tiles", "Stars", "Pets - parrots", "Animals", "Fractals"},
                 [this](int16_t i) { tileSetChosen(i); });
    options->addAction(QStringLiteral("Falling Tile Options.."), this, &MainWindow::fallingOptionsChosen);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    QAction* contents = help->addAction(QStringLiteral("Contents"), this, &MainWindow::helpChosen);
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    contents->setShortcutContext(Qt::WindowShortcut);
    help->addSeparator();
    help->addAction(QStringLiteral("About"), this, &MainWindow::aboutChosen);
}

void MainWindow::resizeWindow() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) setWindowState(Qt::WindowNoState);
    const QPoint centre = frameGeometry().center();
    const ScreenArea area = services_.screen.availableArea(centre.x(), centre.y());
    corner_ = QPoint(area.x, area.y);
    move(corner_);
    // A window already framed goes where it is asked; a new one is placed by
    // the window manager first (see moveEvent).
    cornerPending_ = frameGeometry() == geometry();
    layOut(area);
}

void MainWindow::fitToScreen() {
    const QPoint centre = frameGeometry().center();
    const ScreenArea area = services_.screen.availableArea(centre.x(), centre.y());
    layOut(area);
    redrawBoard();
    // The whole frame stays on the screen.
    const QRect frame(frameGeometry().topLeft(), outerSize_.expandedTo(frameGeometry().size()));
    const QPoint inside(std::max(area.x, std::min(frame.x(), area.x + area.width - frame.width())),
                        std::max(area.y, std::min(frame.y(), area.y + area.height - frame.height())));
    if (inside != frame.topLeft()) move(inside);
}

QSize MainWindow::formulaOuterSize(int tile) const {
    const float tppX = services_.screen.twipsPerPixelX();
    const float tppY = services_.screen.twipsPerPixelY();
    const float heightTwips = tppY * static_cast<float>(flow_.state().numRows * tile) + kExtraHeightTwips;
    const float widthTwips = tppX * static_cast<float>(flow_.state().numCols * tile) + kExtraWidthTwips + kMoreWidthTwips;
    return {static_cast<int>(std::lround(widthTwips / tppX)), static_cast<int>(std::lround(heightTwips / tppY))};
}

// The board and the panel wholly inside the window, with as much room below
// the panel as above it.
QSize MainWindow::roomForControls(int tile) const {
    return {flow_.state().numCols * tile + kPanelGap + statsFrame_->width(),
            menuBar()->sizeHint().height() + std::max(flow_.state().numRows * tile, kPanelGap + statsFrame_->height() + kPanelGap)};
}

// The layout formulas at the chosen tile size where the window then fits the
// screen; else at the largest tile size that fits (the pictures are vectors).
// The window grows beyond the formulas only where they would cut off the panel
// (or the board, where a window manager's frame is taller than they allow).
void MainWindow::layOut(const ScreenArea& area) {
    const QSize frame = frameGeometry().size() - geometry().size();
    const auto outerSizeAt = [&](int tile) { return formulaOuterSize(tile).expandedTo(roomForControls(tile) + frame); };
    const int chosen = tilePixels(flow_.options().tileSizeIndex);
    int tile = chosen;
    while (tile > kSmallestTile &&
           (outerSizeAt(tile).width() > area.width || outerSizeAt(tile).height() > area.height)) {
        --tile;
    }
    flow_.setScreenTileSize(static_cast<int16_t>(tile == chosen ? 0 : tile));
    outerSize_ = formulaOuterSize(tile);

    board_->move(0, 0);
    board_->setPictureSize(boardWidth(flow_.state()), boardHeight(flow_.state()));
    statsFrame_->move(board_->width() + kPanelGap, board_->y() + kPanelGap);
    // The resume button keeps its design place unless it would cover the
    // panel (small tiles on the smaller grids): it then stands left of it,
    // over the hidden board.
    const QRect design = TwipScale(services_.screen).rect(2430, 2490, 2580, 600);
    QRect button = design;
    if (button.intersects(statsFrame_->geometry())) {
        button.moveLeft(std::max(0, statsFrame_->x() - kPanelGap - button.width()));
    }
    resumeButton_->setGeometry(button);
    fitOuterSize();
}

// The outer size includes the frame that a window manager puts around the
// window, and a window manager may place a new window where it likes. Both
// are known only once it has framed the window, which moves it: the size is
// fitted then, and the corner asked for by resizeWindow is asked for again.
void MainWindow::fitOuterSize() {
    if (outerSize_.isEmpty()) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize inner = (outerSize_ - frame).expandedTo(roomForControls(tileSize(flow_.state())));
    if (size() != inner || minimumSize() != inner) setFixedSize(inner);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    fitOuterSize();
    const bool framed = frameGeometry() != geometry();
    if (cornerPending_ && isVisible() && framed) {
        cornerPending_ = false;
        if (frameGeometry().topLeft() != corner_) move(corner_);
    }
}

// ---------------------------------------------------------------- events as the window system delivers them

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        escapePressed();
        return;
    }
    if (boardKey(event->key()) || accessKey(event->key(), event->modifiers())) return;
    QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonPress) surfacePressed();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveOnClose();
    event->accept();
}

}  // namespace qlx
