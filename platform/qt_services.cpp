#include "qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QScreen>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace qlx {

namespace {
constexpr int kTitleBarButtons = 160;  // pixels: a title bar's icon, buttons and margins
}  // namespace

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    // A short text makes a narrow box, whose title bar would show no more of
    // the caption than "...": the box is made wide enough for the caption in
    // a title bar's bold font, half as wide again, beside the title bar's buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) * 3 / 2 + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}

// Which sound files are played or missing, shown with QT_LOGGING_RULES="quellix.sound.info=true".
Q_LOGGING_CATEGORY(lcSound, "quellix.sound", QtWarningMsg)

QtSound::QtSound() = default;

QtSound::~QtSound() = default;

void QtSound::play(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) {
        qCInfo(lcSound) << "no sound file" << file;  // a missing file is silent
        return;
    }
    qCInfo(lcSound) << "playing" << file;
    QTimer::singleShot(0, qApp, [this, file] { playNow(file); });
}

void QtSound::playNow(const QString& file) {
    std::unique_ptr<QSoundEffect>& effect = effects_[file];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
    }
    effect->stop();
    effect->play();  // plays once loaded
}

void QtMovePause::pause(int milliseconds) {
    // Widgets repaint synchronously when refreshed; make sure the window
    // system has been sent the picture before the thread sleeps.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) w->repaint();
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtWebLink::open(const std::string& url) { QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

namespace {
float twipsPerPixel(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 15.0f;
    const qreal dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? static_cast<float>(1440.0 / dpi) : 15.0f;
}
}  // namespace

float QtScreenMetrics::twipsPerPixelX() const { return twipsPerPixel(true); }
float QtScreenMetrics::twipsPerPixelY() const { return twipsPerPixel(false); }

ScreenArea QtScreenMetrics::availableArea(int x, int y) const {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {0, 0, 1 << 20, 1 << 20};  // no screen at all: room for anything
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace qlx
