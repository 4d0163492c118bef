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
#include "frmQLX.h"
#include "stats_frame.h"
#include "ui_look.h"

namespace qlx {

namespace {

// Layout of the window around the board, in twips and pixels.
constexpr float kExtraHeightTwips = 1000.0f;
constexpr float kExtraWidthTwips = 600.0f;
constexpr float kMoreWidthTwips = 1000.0f;
constexpr int kPanelGap = 15;  // pixels

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
    pbGrid_->setGame(&game_);
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
    // Read by screen readers with what they count, e.g. "Score 45".
    nameCount(lblAScore_, QStringLiteral("Score"));
    nameCount(lblTotScore_, QStringLiteral("Best score"));
    nameCount(lblTime_, QStringLiteral("Time"));

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
    // The grid sizes' captions are written by Form_Load.
    addMenuGroup(options->addMenu(QStringLiteral("Grid Size")), mnuGS_, {"SIZ1", "", "", ""},
                 [this](int16_t i) { MNU_GS_Click(i); });
    addMenuGroup(options->addMenu(QStringLiteral("Size")), mnuSIZ_, {"small", "Standard", "Big"},
                 [this](int16_t i) { MNU_SIZ_Click(i); });
    addMenuGroup(options->addMenu(QStringLiteral("Number Of Tiles")), mnuNC_, {"5", "6", "7", "8"},
                 [this](int16_t i) { MNU_NC_Click(i); });
    addMenuGroup(options->addMenu(QStringLiteral("Tile")), mnuTN_,
                 {"Classic tiles", "Stars", "Pets - parrots", "Animals", "Fractals"},
                 [this](int16_t i) { MNU_TN_Click(i); });
    mnuFall_ = options->addAction(QStringLiteral("Falling Tile Options.."), this, &frmQLX::MNU_FALL_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHC_ = help->addAction(QStringLiteral("Contents"), this, &frmQLX::MNU_HC_Click);
    mnuHC_->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHC_->setShortcutContext(Qt::WindowShortcut);
    help->addSeparator();
    mnuAbt_ = help->addAction(QStringLiteral("About"), this, &frmQLX::MNU_ABT_Click);
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

// ---------------------------------------------------------------- events as the window system delivers them

void frmQLX::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
        return;
    }
    if (pbGrid_KeyDown(event->key())) return;
    QMainWindow::keyPressEvent(event);
}

bool frmQLX::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonPress) Form_MouseDown();
    return QMainWindow::eventFilter(watched, event);
}

void frmQLX::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace qlx
