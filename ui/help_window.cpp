#include "help_window.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qlx {

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

HelpWindow::HelpWindow() = default;
HelpWindow::~HelpWindow() = default;

QWidget* HelpWindow::window() const { return window_.get(); }
QTextBrowser* HelpWindow::browser() const { return browser_; }

void HelpWindow::build() {
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

void HelpWindow::load() {
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

void HelpWindow::showContents(const std::string& path) {
    if (!window_) build();
    path_ = QString::fromStdString(path);
    load();
    if (window_->isMinimized()) window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace qlx
