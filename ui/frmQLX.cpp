#include "frmQLX.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "Module5.h"
#include "Module6.h"
#include "board_picture.h"
#include "clock.h"
#include "diagUN.h"
#include "diagWow.h"
#include "frmStats.h"
#include "modUI.h"
#include "stats_frame.h"
#include "ui_look.h"

namespace qlx {

namespace {

// Layout of the window around the board, in twips and pixels.
constexpr float kExtraHeightTwips = 1000.0f;
constexpr float kExtraWidthTwips = 600.0f;
constexpr float kMoreWidthTwips = 1000.0f;
constexpr int kPanelGap = 15;  // pixels

constexpr int kFirstPause = 400;   // the gap and the points
constexpr int kSecondPause = 100;  // the fallen board

int32_t wrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

frmQLX::frmQLX(Program& program, Services& services, QWidget* parent)
    : QMainWindow(parent), program_(program), services_(services), game_(program.game) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    // A caption, a menu bar and a minimise box; no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildControls();
    buildMenus();
    connect(&timerSeconds_, &GameTimer::tick, this, &frmQLX::timerSeconds_Timer);
    connect(&timerTileSpeed_, &GameTimer::tick, this, &frmQLX::timerTileSpeed_Timer);
}

frmQLX::~frmQLX() = default;

// ---------------------------------------------------------------- controls

void frmQLX::buildControls() {
    const TwipScale tw(services_.screen);
    auto* surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("surface"));
    setBackground(surface, kWindowBackground);
    surface->setFont(uiFont(8.25));
    setCentralWidget(surface);
    surface->installEventFilter(this);

    pbGrid_ = new BoardPicture(surface);
    pbGrid_->setObjectName(QStringLiteral("pbGrid"));
    pbGrid_->setFont(uiFont(8.25));
    pbGrid_->move(0, 0);
    connect(pbGrid_, &BoardPicture::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) { pbGrid_MouseDown(x, y); });

    frameStats_ = new StatsFrame(QStringLiteral("Statistics"), surface);
    frameStats_->setObjectName(QStringLiteral("frameStats"));
    frameStats_->setFont(uiFont(9.75, true));
    frameStats_->setAttribute(Qt::WA_NoMousePropagation);
    setBackground(frameStats_, kWindowBackground);
    frameStats_->setFixedSize(tw.x(1065), tw.y(3675));
    // The panel's labels keep their design places, moved down as far as this
    // system's caption font is taller than the design's, so that the first
    // label starts below the caption.
    const QFontMetrics captionMetrics(frameStats_->font());
    const int captionBottom = 1 + captionMetrics.capHeight() + captionMetrics.descent();
    const int labelTop = tw.y(120) + QFontMetrics(uiFont(8.25)).ascent() - QFontMetrics(uiFont(8.25)).capHeight();
    const int shift = std::max(0, captionBottom - labelTop + 1);

    lblScoreCap_ = designLabel(frameStats_, "lblScoreCap", QStringLiteral("  Score"), tw, 270, 120, uiFont(8.25));
    setTextColor(lblScoreCap_, kCaptionBlue);
    lblAScore_ = designLabel(frameStats_, "lblAScore", QStringLiteral("Label2"), tw, 195, 375, uiFont(9.75, true), true);
    setBackground(lblAScore_, kWindowBackground);
    lblTotScoreCap_ = designLabel(frameStats_, "lblTotScoreCap", QStringLiteral(" Best Score"), tw, -15, 975, uiFont(9.75));
    setTextColor(lblTotScoreCap_, kCaptionBlue);
    lblTotScore_ = designLabel(frameStats_, "lblTotScore", QStringLiteral("dsgerte "), tw, 75, 1215, uiFont(9.75, true), true);
    setBackground(lblTotScore_, kBestScoreBackground);
    lblTimeCap_ = designLabel(frameStats_, "lblTimeCap", QStringLiteral("Time"), tw, 255, 1950, uiFont(9.75), true);
    setTextColor(lblTimeCap_, kCaptionBlue);
    lblTime_ = designLabel(frameStats_, "lblTime", QStringLiteral("Label2"), tw, 150, 2520, uiFont(9.75, true), true);
    setBackground(lblTime_, kWindowBackground);
    for (QLabel* l : frameStats_->findChildren<QLabel*>()) l->move(l->x(), l->y() + shift);

    cmdPuase_ = designButton(surface, "cmdPuase", QStringLiteral("Resume Game"), tw, 2430, 2490, 2580, 600);
    cmdPuase_->setFont(uiFont(12, true));
    cmdPuase_->hide();
    connect(cmdPuase_, &QPushButton::clicked, this, &frmQLX::cmdPuase_Click);

    // The tab order of the window's own controls.
    setTabOrder(pbGrid_, frameStats_);
    setTabOrder(frameStats_, cmdPuase_);

    // Both timers start enabled with no period: they do not fire before a game sets one.
    timerSeconds_.setInterval(0);
    timerTileSpeed_.setInterval(0);
}

void frmQLX::buildMenus() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("Game"));
    mnuStandard_ = game->addAction(QStringLiteral("standard"), this, &frmQLX::MNU_STANDARD_Click);
    mnuFB_ = game->addAction(QStringLiteral("Falling Blocks"), this, &frmQLX::MNU_FB_Click);
    game->addSeparator();
    mnuPause_ = game->addAction(QStringLiteral("Pause"), this, &frmQLX::MNU_PAUSE_Click);
    game->addSeparator();
    mnuScores_ = game->addAction(QStringLiteral("Scores"), this, &frmQLX::MNU_SCORES_Click);
    game->addSeparator();
    mnuExit_ = game->addAction(QStringLiteral("Exit"), this, &frmQLX::MNU_EXIT_Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    QMenu* grid = options->addMenu(QStringLiteral("Grid Size"));
    for (int16_t i = 0; i < 4; ++i) {
        mnuGS_[i] = grid->addAction(i == 0 ? QStringLiteral("SIZ1") : QString(), this, [this, i] { MNU_GS_Click(i); });
        mnuGS_[i]->setCheckable(true);
    }
    QMenu* size = options->addMenu(QStringLiteral("Size"));
    const char* sizes[] = {"small", "Standard", "Big"};
    for (int16_t i = 0; i < 3; ++i) {
        mnuSIZ_[i] = size->addAction(QString::fromLatin1(sizes[i]), this, [this, i] { MNU_SIZ_Click(i); });
        mnuSIZ_[i]->setCheckable(true);
    }
    QMenu* kinds = options->addMenu(QStringLiteral("Number Of Tiles"));
    for (int16_t i = 0; i < 4; ++i) {
        mnuNC_[i] = kinds->addAction(QString::number(i + 5), this, [this, i] { MNU_NC_Click(i); });
        mnuNC_[i]->setCheckable(true);
    }
    QMenu* tiles = options->addMenu(QStringLiteral("Tile"));
    const char* sets[] = {"Classic tiles", "Stars", "Pets - parrots", "Animals", "Fractals"};
    for (int16_t i = 0; i < 5; ++i) {
        mnuTN_[i] = tiles->addAction(QString::fromLatin1(sets[i]), this, [this, i] { MNU_TN_Click(i); });
        mnuTN_[i]->setCheckable(true);
    }
    mnuFall_ = options->addAction(QStringLiteral("Falling Tile Options.."), this, &frmQLX::MNU_FALL_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHC_ = help->addAction(QStringLiteral("Contents"), this, &frmQLX::MNU_HC_Click);
    mnuHC_->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHC_->setShortcutContext(Qt::WindowShortcut);
    help->addSeparator();
    mnuAbt_ = help->addAction(QStringLiteral("About"), this, &frmQLX::MNU_ABT_Click);
}

// ---------------------------------------------------------------- start-up and layout

void frmQLX::Form_Load() {
    setMenuSelected(game_.tileSizeIndex);
    setTileMenuSelected(game_.tileSet);
    setNCMenuSelected(static_cast<int16_t>(game_.numColors - 5));
    setMenuGSSelected(program_.savedSettings.gridSizeIndex);
    for (int16_t i = 0; i < 4; ++i) {
        mnuGS_[i]->setText(QStringLiteral("%1 x %2").arg(game_.gridCols[i + 1]).arg(game_.gridRows[i + 1]));
        mnuGS_[i]->setEnabled(true);
    }
    enablePause(false);
}

void frmQLX::resizeWindow() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) setWindowState(Qt::WindowNoState);
    move(0, 0);
    // A window already framed goes where it is asked; a new one is placed by
    // the window manager first (see moveEvent).
    cornerPending_ = frameGeometry() == geometry();
    const float tppX = services_.screen.twipsPerPixelX();
    const float tppY = services_.screen.twipsPerPixelY();
    const float heightTwips = tppY * static_cast<float>(game_.tileSize * game_.numRows) + kExtraHeightTwips;
    const float widthTwips = tppX * static_cast<float>(game_.tileSize * game_.numCols) + kExtraWidthTwips + kMoreWidthTwips;
    outerSize_ = QSize(static_cast<int>(std::lround(widthTwips / tppX)), static_cast<int>(std::lround(heightTwips / tppY)));
    fitOuterSize();

    const int16_t width = static_cast<int16_t>(game_.numCols * game_.tileSize);
    const int16_t height = static_cast<int16_t>(game_.numRows * game_.tileSize);
    pbGrid_->move(0, 0);
    pbGrid_->setPictureSize(width, height);
    frameStats_->move(pbGrid_->width() + kPanelGap, pbGrid_->y() + kPanelGap);
}

// The outer size includes the frame that a window manager puts around the
// window, and a window manager may place a new window where it likes. Both
// are known only once it has framed the window, which moves it: the size is
// fitted then, and the corner asked for by resizeWindow is asked for again.
void frmQLX::fitOuterSize() {
    if (outerSize_.isEmpty()) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize inner = outerSize_ - frame;
    if (size() != inner || minimumSize() != inner) setFixedSize(inner);
}

void frmQLX::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    fitOuterSize();
    const bool framed = frameGeometry() != geometry();
    if (cornerPending_ && isVisible() && framed) {
        cornerPending_ = false;
        if (frameGeometry().topLeft() != QPoint(0, 0)) move(0, 0);
    }
}

// ---------------------------------------------------------------- a game

void frmQLX::startGame() {
    ++gameNumber_;
    gameInProgress_ = true;
    deferred_.clear();
    SavedSettings& saved = program_.savedSettings;

    services_.sound.play(soundPath("OPENING.WAV"));
    timeLimit_ = timeLimitFor(saved.fallTimeIndex);
    timerSeconds_.setInterval(1000);
    timerTileSpeed_.setInterval(tilePeriodFor(saved.fallSpeedIndex));
    enablePause(false);
    if (game_.gameMode == kFallingTiles) {
        game_.clockSeconds = timeLimit_;
        setLabel(lblTimeCap_, QStringLiteral("Time \r\nRemaining"));
    } else {
        game_.clockSeconds = 0;
        lblTimeCap_->setFont(uiFont(10));
        setLabel(lblTimeCap_, QStringLiteral("Time"));
    }
    const TwipScale tw(services_.screen);
    lblTime_->move(lblTime_->x(), lblTimeCap_->y() + lblTimeCap_->height() + tw.y(50));
    game_.score = 0;
    setLabel(lblTime_, QString());
    setLabel(lblAScore_, QStringLiteral("0"));
    fillBoard(game_, services_.random);
    drawBoardPicture();
    timerTileSpeed_.setEnabled(true);
    timerSeconds_.setEnabled(true);
    setLabel(lblTotScore_, QString::number(bestScoreOfConfiguration()));
    QString caption = QString::fromLatin1(kAppTitle) + QStringLiteral(" - ") +
                      (game_.gameMode == kFallingTiles ? QStringLiteral(" Falling Tiles ") : QStringLiteral(" Standard Game"));
    caption += QStringLiteral("(%1x%2) %3 Tiles").arg(game_.numRows).arg(game_.numCols).arg(game_.numColors);
    setWindowTitle(caption);
    pbGrid_->setEnabled(true);
}

void frmQLX::drawBoardPicture() {
    {
        QPainter p(&pbGrid_->image());
        drawBoard(p, game_, imageList1_.list(game_.tileSizeIndex));
    }
    pbGrid_->refresh();
}

void frmQLX::pbGrid_MouseDown(double x, double y) {
    if (moveInProgress_) {
        deferred_.push_back({Deferred::Click, x, y});
        return;
    }
    if (!gameInProgress_ || !pbGrid_->isEnabled() || !pbGrid_->isVisible()) return;
    playMove(x, y);
    runDeferred();
}

void frmQLX::playMove(double x, double y) {
    const int16_t c = pixelToColumn(game_, x);
    const int16_t r = pixelToColumn(game_, y);
    const int16_t i = cellIndex(game_, static_cast<int16_t>(c + 1), static_cast<int16_t>(r + 1));
    if (c < 0 || r < 0 || c >= game_.numCols || r >= game_.numRows) return;  // outside the playing area
    if (game_.board[i] == kEmpty) return;

    if (isGroup(game_, i)) {
        moveInProgress_ = true;
        pbGrid_->clear();
        const int16_t n = removeGroup(game_);
        const ImageList& list = imageList1_.list(game_.tileSizeIndex);
        const int32_t points = groupScore(n);
        {
            QPainter p(&pbGrid_->image());
            drawBoard(p, game_, list);
            game_.score = wrappingAdd(game_.score, points);
            setLabel(lblAScore_, QString::number(game_.score));
            p.setFont(pbGrid_->font());
            p.setPen(pbGrid_->palette().color(QPalette::WindowText));
            drawPoints(p, game_.tileSize, c, r, points);
        }
        pbGrid_->refresh();
        services_.pause.pause(kFirstPause);

        settleTiles(game_, kDown);
        pbGrid_->clear();
        drawBoardPicture();
        services_.pause.pause(kSecondPause);

        settleTiles(game_, kRight);
        pbGrid_->clear();
        drawBoardPicture();
        moveInProgress_ = false;
    }
    if (noMovesLeft(game_)) endGame(nullptr);
}

// Clicks and ticks that came in during a move are handled in their order once
// it is over; a click on a board that has meanwhile ended is ignored.
void frmQLX::runDeferred() {
    while (!deferred_.empty() && !moveInProgress_) {
        const DeferredEvent e = deferred_.front();
        deferred_.pop_front();
        switch (e.kind) {
            case Deferred::Click: pbGrid_MouseDown(e.x, e.y); break;
            case Deferred::ClockTick: timerSeconds_Timer(); break;
            case Deferred::TileTick: timerTileSpeed_Timer(); break;
        }
    }
}

void frmQLX::timerSeconds_Timer() {
    if (moveInProgress_) {
        deferred_.push_back({Deferred::ClockTick});
        return;
    }
    if (!gameInProgress_) return;
    const bool timedOut = tickClock(game_);
    setLabel(lblTime_, QString::fromStdString(clockText(game_.clockSeconds)));
    if (timedOut) endGame(" Time Out - Game Over ");
}

void frmQLX::timerTileSpeed_Timer() {
    if (moveInProgress_) {
        deferred_.push_back({Deferred::TileTick});
        return;
    }
    if (game_.gameMode != kFallingTiles || !gameInProgress_) return;
    if (!addFallingTiles(game_, services_.random)) {
        endGame(" Game Over ");
        return;
    }
    pbGrid_->clear();
    drawBoardPicture();
    settleTiles(game_, kDown);
    settleTiles(game_, kRight);
    pbGrid_->clear();
    drawBoardPicture();
}

// Every end of a game comes through here: the first one wins, and both timers
// stop before any message, so no tick can start a second end meanwhile.
void frmQLX::endGame(const char* message) {
    if (!gameInProgress_) return;
    gameInProgress_ = false;
    timerSeconds_.setEnabled(false);
    timerTileSpeed_.setEnabled(false);
    if (message) services_.messages.show(message);
    gameOver();
}

void frmQLX::gameOver() {
    if (endedGame_ == gameNumber_) return;  // this game's end has already run
    endedGame_ = gameNumber_;
    gameInProgress_ = false;

    services_.sound.play(soundPath("APPLAUSE.wav"));
    timerSeconds_.setEnabled(false);
    timerTileSpeed_.setEnabled(false);
    const int16_t place =
        rankOfScore(program_.bestScores, game_.gameMode, program_.savedSettings.gridSizeIndex, game_.numColors, game_.score);
    if (place <= 3) {
        diagUN nameDialog(game_.gameMode, services_.screen, this);
        nameDialog.exec();
        insertScore(program_.bestScores, game_.gameMode, program_.savedSettings.gridSizeIndex, game_.numColors,
                    game_.score, nameDialog.userName());
        frmStats scores(program_, services_.screen, this);
        scores.exec();
        services_.sound.play("0");  // plays nothing: there is no such file
    }
    gameOverAnimation();

    diagWow wow(game_.score, services_.screen, this);
    wow.exec();
    if (wow.playAgain()) {
        pbGrid_->clear();
        resetBoard(game_, game_.numCols, game_.numRows);
        startGame();
    }
}

void frmQLX::gameOverAnimation() {
    timerSeconds_.setEnabled(false);
    timerTileSpeed_.setEnabled(false);
    pbGrid_->setEnabled(false);
}

int32_t frmQLX::bestScoreOfConfiguration() const {
    return program_.bestScores.recordFor(game_.gameMode, program_.savedSettings.gridSizeIndex, game_.numColors).scores[0];
}

std::string frmQLX::soundPath(const char* name) const { return services_.appFolder + "/snd/" + name; }

// ---------------------------------------------------------------- pause

void frmQLX::enablePause(bool paused) {
    cmdPuase_->setVisible(paused);
    // A finished game stays finished: resuming it does not start its timers again.
    if (paused || gameInProgress_) {
        timerSeconds_.setEnabled(!paused);
        timerTileSpeed_.setEnabled(!paused);
    }
    pbGrid_->setVisible(!paused);
    mnuPause_->setEnabled(!paused);
}

void frmQLX::MNU_PAUSE_Click() { enablePause(true); }

void frmQLX::cmdPuase_Click() { enablePause(false); }

void frmQLX::Form_MouseDown() {
    if (cmdPuase_->isVisible()) enablePause(false);
}

void frmQLX::Form_KeyPress(int keyAscii) {
    if (keyAscii != 27) return;
    MNU_PAUSE_Click();
    setWindowState(windowState() | Qt::WindowMinimized);
}

void frmQLX::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool frmQLX::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonPress) Form_MouseDown();
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- options

void frmQLX::setMenuSelected(int16_t index) {
    for (QAction* a : mnuSIZ_) a->setChecked(false);
    mnuSIZ_[index]->setChecked(true);
    game_.tileSizeIndex = index;
    game_.tileSize = static_cast<int16_t>(imageList1_.list(index).pictureSize());
}

void frmQLX::setTileMenuSelected(int16_t index) {
    for (QAction* a : mnuTN_) a->setChecked(false);
    mnuTN_[index]->setChecked(true);
}

void frmQLX::setNCMenuSelected(int16_t index) {
    for (QAction* a : mnuNC_) a->setChecked(false);
    mnuNC_[index]->setChecked(true);
}

void frmQLX::setMenuGSSelected(int16_t index) {
    for (QAction* a : mnuGS_) a->setChecked(false);
    mnuGS_[index]->setChecked(true);
}

void frmQLX::MNU_GS_Click(int16_t index) {
    setMenuGSSelected(index);
    program_.savedSettings.gridSizeIndex = index;
    pbGrid_->clear();
    resetBoard(game_, game_.gridCols[index + 1], game_.gridRows[index + 1]);
    resizeWindow();
    startGame();
}

void frmQLX::MNU_SIZ_Click(int16_t index) {
    setMenuSelected(index);
    pbGrid_->clear();
    resizeWindow();
    drawBoardPicture();
}

void frmQLX::MNU_NC_Click(int16_t index) {
    game_.numColors = static_cast<int16_t>(index + 5);
    setNCMenuSelected(index);
    pbGrid_->clear();
    resetBoard(game_, game_.numCols, game_.numRows);
    startGame();
}

void frmQLX::MNU_TN_Click(int16_t index) {
    setTileMenuSelected(index);
    game_.tileSet = index;
    pbGrid_->clear();
    drawBoardPicture();
}

void frmQLX::MNU_STANDARD_Click() {
    game_.gameMode = kStandardGame;
    resetBoard(game_, game_.numCols, game_.numRows);
    startGame();
}

void frmQLX::MNU_FB_Click() {
    game_.gameMode = kFallingTiles;
    pbGrid_->clear();
    resetBoard(game_, game_.numCols, game_.numRows);
    startGame();
}

void frmQLX::MNU_SCORES_Click() {
    frmStats scores(program_, services_.screen, this);
    scores.exec();
    setLabel(lblTotScore_, QString::number(bestScoreOfConfiguration()));
}

// The falling-tile options, the help and the About box come with their own dialogs.
void frmQLX::MNU_FALL_Click() {}
void frmQLX::MNU_HC_Click() {}
void frmQLX::MNU_ABT_Click() {}

// ---------------------------------------------------------------- leaving

void frmQLX::MNU_EXIT_Click() { close(); }

void frmQLX::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    timerSeconds_.setEnabled(false);
    timerTileSpeed_.setEnabled(false);
    SavedSettings& saved = program_.savedSettings;
    saved.gameMode = game_.gameMode;
    saved.tileSet = game_.tileSet;
    saved.tileSizeIndex = game_.tileSizeIndex;
    saved.numColors = game_.numColors;
    if (services_.registry) saveSettings(*services_.registry, services_.messages, saved, program_.bestScores);
}

void frmQLX::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace qlx
