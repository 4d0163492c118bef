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
#include "language.h"
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
// The width the controls were last mirrored within, in a right-to-left language.
constexpr const char* kMirroredWidth = "qlxMirroredWidth";

}  // namespace

MainWindow::MainWindow(Program& program, Services& services, QWidget* parent)
    : QMainWindow(parent), program_(program), services_(services), flow_(program.flow) {
    // The game's caption from the start, so that the window is mapped with it
    // (each start sets it again).
    setWindowTitle(gameCaption(flow_.state()));
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
    board_->setLayoutDirection(Qt::LeftToRight);  // tiles fall down and slide right in every language
    board_->move(0, 0);
    board_->setFlow(&flow_);
    connect(board_, &BoardPicture::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) { boardPressed(x, y); });

    statsFrame_ = new StatsPanel(tw, *assist_, surface);
    statsFrame_->setAttribute(Qt::WA_NoMousePropagation);

    //: The button that stands in place of the hidden board while the game is paused.
    resumeButton_ = designButton(surface, "resumeButton", tr("Resume Game"), tw, 2430, 2490, 2580, 600);
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
void addMenuGroup(QMenu* menu, std::array<QAction*, N>& group, const std::array<QString, N>& captions,
                  Handler handler) {
    for (int16_t i = 0; i < static_cast<int16_t>(N); ++i) {
        group[i] = menu->addAction(captions[i], menu, [handler, i] { handler(i); });
        group[i]->setCheckable(true);
    }
}

}  // namespace

void MainWindow::buildMenus() {
    //: The first menu of the menu bar.
    QMenu* game = menuBar()->addMenu(tr("Game"));
    //: A Game menu item: a new standard game. The small s is deliberate in English; translate it by its meaning
    //: ("Standard game").
    game->addAction(tr("standard"), this, &MainWindow::standardGameChosen);
    //: A Game menu item: a new falling game. The English name differs deliberately from "Falling Tiles", the
    //: game's name elsewhere; translate it by its meaning, with your word for the game's tiles.
    game->addAction(tr("Falling Blocks"), this, &MainWindow::fallingTilesChosen);
    game->addSeparator();
    //: A Game menu item: pause the game (the board is hidden and the clock stops).
    pauseAction_ = game->addAction(tr("Pause"), this, &MainWindow::pauseChosen);
    assist_->addMenuItems(game);
    buildDeals(game);
    game->addSeparator();
    //: A Game menu item: the dialog of the three best scores.
    game->addAction(tr("Scores"), this, &MainWindow::scoresChosen);
    game->addSeparator();
    //: A Game menu item: leave the game.
    game->addAction(tr("Exit"), this, &MainWindow::exitChosen);

    //: The second menu of the menu bar.
    QMenu* options = menuBar()->addMenu(tr("Options"));
    // The grid sizes' captions are written by applyOptionsToMenus.
    //: An Options submenu: the board's columns and rows.
    addMenuGroup(options->addMenu(tr("Grid Size")), gridSizeActions_,
                 {QStringLiteral("SIZ1"), QString(), QString(), QString()},
                 [this](int16_t i) { gridSizeChosen(i); });
    //: An Options submenu: the size of the tiles on the screen.
    addMenuGroup(options->addMenu(tr("Size", "size of the tiles")), tileSizeActions_,
                 //: A size of the tiles (16 pixels). The small s is deliberate in English; translate it by its
                 //: meaning.
                 {tr("small", "size of the tiles"),
                  //: A size of the tiles (32 pixels).
                  tr("Standard", "size of the tiles"),
                  //: A size of the tiles (48 pixels).
                  tr("Big", "size of the tiles")},
                 [this](int16_t i) { tileSizeChosen(i); });
    //: An Options submenu: how many kinds of tiles a game is played with (5 to 8). The English words
    //: ("Number Of Tiles", with a capital O) are deliberate; translate it by its meaning: the number of kinds.
    addMenuGroup(options->addMenu(tr("Number Of Tiles")), kindCountActions_,
                 {localDigits(5), localDigits(6), localDigits(7), localDigits(8)},
                 [this](int16_t i) { kindCountChosen(i); });
    //: An Options submenu: the set of pictures the tiles show.
    addMenuGroup(options->addMenu(tr("Tile", "set of tile pictures")), tileSetActions_,
                 //: A set of tile pictures: squares with patterns.
                 {tr("Classic tiles"),
                  //: A set of tile pictures.
                  tr("Stars"),
                  //: A set of tile pictures: pets, namely parrots. The English writing is deliberate; translate
                  //: it by its meaning.
                  tr("Pets - parrots"),
                  //: A set of tile pictures.
                  tr("Animals"),
                  //: A set of tile pictures: coloured fractal figures.
                  tr("Fractals")},
                 [this](int16_t i) { tileSetChosen(i); });
    //: An Options menu item: the dialog of the falling game's options. The two dots are deliberate in English
    //: (write what your language writes for a menu item that opens a dialog).
    options->addAction(tr("Falling Tile Options.."), this, &MainWindow::fallingOptionsChosen);

    //: The last menu of the menu bar.
    QMenu* help = menuBar()->addMenu(tr("Help"));
    //: A Help menu item: the help page, at its contents.
    QAction* contents = help->addAction(tr("Contents"), this, &MainWindow::helpChosen);
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    contents->setShortcutContext(Qt::WindowShortcut);
    help->addSeparator();
    //: A Help menu item: the dialog of the program's name, version and web site.
    help->addAction(tr("About"), this, &MainWindow::aboutChosen);
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

    centralWidget()->setProperty(kMirroredWidth, QVariant());  // placed from the left again, mirrored below
    board_->move(0, 0);
    board_->setPictureSize(boardWidth(flow_.state()), boardHeight(flow_.state()));
    statsFrame_->move(board_->width() + kPanelGap, board_->y() + kPanelGap);
    // The resume button keeps its design place unless it would cover the
    // panel (small tiles on the smaller grids): it then stands left of it,
    // over the hidden board.
    const QRect design = TwipScale(services_.screen).rect(2430, 2490, 2580, 600);
    QRect button = design;
    // Wider about its centre where its text needs it (a longer language).
    const int grow = QFontMetrics(resumeButton_->font()).horizontalAdvance(resumeButton_->text()) + 12 - button.width();
    if (grow > 0) button.adjust(-grow / 2, 0, grow - grow / 2, 0);
    if (button.left() < 0) button.moveLeft(0);
    if (button.intersects(statsFrame_->geometry())) {
        button.moveLeft(std::max(0, statsFrame_->x() - kPanelGap - button.width()));
    }
    resumeButton_->setGeometry(button);
    fitOuterSize();
    // From right to left, the panel stands left of the board (see eventFilter).
    if (isRightToLeft()) {
        mirrorChildren(centralWidget(), centralWidget()->width());
        centralWidget()->setProperty(kMirroredWidth, centralWidget()->width());
    }
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
    // Mirrored controls keep their distances from the right edge as the window's width follows the layout.
    if (watched == centralWidget() && event->type() == QEvent::Resize && isRightToLeft()) {
        const QVariant mirrored = centralWidget()->property(kMirroredWidth);
        const int shift = centralWidget()->width() - mirrored.toInt();
        if (mirrored.isValid() && shift != 0) {
            for (QWidget* w : centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->move(w->x() + shift, w->y());
            centralWidget()->setProperty(kMirroredWidth, centralWidget()->width());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveOnClose();
    event->accept();
}

}  // namespace qlx
