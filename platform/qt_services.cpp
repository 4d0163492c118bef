#include "qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSoundEffect>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace qlx {

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
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

namespace {
constexpr qint64 kLargestHelpFile = 4 * 1024 * 1024;

// What is wrong with the help file, or nothing. The help is the program's own
// HTML page: UTF-8 text holding the contents anchor and ending with </html>,
// which a file cut short has lost.
QString helpFileProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return QStringLiteral("The help file could not be found.");
    QFile file(path);
    if (info.size() > kLargestHelpFile || !file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The help file could not be read.");
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || bytes.contains('\0') || !text.contains(QLatin1String("<a name=\"contents\">")) ||
        !text.trimmed().endsWith(QLatin1String("</html>"), Qt::CaseInsensitive)) {
        return QStringLiteral("The help file is damaged and cannot be shown.");
    }
    return {};
}

QString problemPage(const QString& problem, const QString& path) {
    return QStringLiteral("<h2 style=\"color: #23408e\">Help is not available</h2><p>%1</p>"
                          "<p>Quellix looks for it at<br><tt>%2</tt></p>"
                          "<p>Installing Quellix again puts it back. The game itself is not affected.</p>")
        .arg(problem.toHtmlEscaped(), path.toHtmlEscaped());
}
}  // namespace

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

QWidget* QtHelpViewer::window() const { return window_.get(); }
QTextBrowser* QtHelpViewer::browser() const { return browser_; }

void QtHelpViewer::build() {
    window_ = std::make_unique<QWidget>(nullptr, Qt::Window);
    window_->setObjectName(QStringLiteral("helpViewer"));
    window_->setWindowTitle(QApplication::applicationName() + QStringLiteral(" Help"));
    window_->setAttribute(Qt::WA_QuitOnClose, false);  // the game's window alone keeps the program running

    browser_ = new QTextBrowser(window_.get());
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDocumentMargin(18);
    browser_->setFrameShape(QFrame::NoFrame);

    auto* contents = new QPushButton(QStringLiteral("Contents"), window_.get());
    auto* back = new QPushButton(QStringLiteral("Back"), window_.get());
    auto* forward = new QPushButton(QStringLiteral("Forward"), window_.get());
    back->setEnabled(false);
    forward->setEnabled(false);
    QObject::connect(contents, &QPushButton::clicked, browser_, [this] { load(); });
    QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
    QObject::connect(close, &QShortcut::activated, window_.get(), &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 6, 10, 6);
    buttons->setSpacing(6);
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    // A comfortable page, never larger than the screen.
    QSize size(640, 660);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    window_->resize(size);
}

void QtHelpViewer::load() {
    const QString problem = helpFileProblem(path_);
    if (!problem.isEmpty()) {
        browser_->clearHistory();
        browser_->setHtml(problemPage(problem, path_));
        return;
    }
    // The contents are the top of the page.
    browser_->setSource(QUrl::fromLocalFile(path_), QTextDocument::HtmlResource);
    browser_->verticalScrollBar()->setValue(0);
    browser_->horizontalScrollBar()->setValue(0);
}

void QtHelpViewer::showContents(const std::string& path) {
    if (!window_) build();
    path_ = QString::fromStdString(path);
    load();
    if (window_->isMinimized()) window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
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

}  // namespace qlx
