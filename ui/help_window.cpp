#include "help_window.h"

#include <QApplication>
#include <QDir>
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

#include "language.h"

namespace qlx {

namespace {
constexpr qint64 kLargestHelpFile = 4 * 1024 * 1024;

// What is wrong with the help file, or nothing. The help is the program's own
// HTML page: UTF-8 text holding the contents anchor and ending with </html>,
// which a file cut short has lost.
QString helpFileProblem(const QString& path) {
    const QFileInfo info(path);
    //: Shown in the help window when its file is missing.
    if (!info.isFile()) return HelpWindow::tr("The help file could not be found.");
    QFile file(path);
    if (info.size() > kLargestHelpFile || !file.open(QIODevice::ReadOnly)) {
        //: Shown in the help window when its file cannot be opened.
        return HelpWindow::tr("The help file could not be read.");
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || bytes.contains('\0') || !text.contains(QLatin1String("<a name=\"contents\">")) ||
        !text.trimmed().endsWith(QLatin1String("</html>"), Qt::CaseInsensitive)) {
        //: Shown in the help window when its file is cut short or not a help page.
        return HelpWindow::tr("The help file is damaged and cannot be shown.");
    }
    return {};
}

QString problemPage(const QString& problem, const QString& path) {
    return QStringLiteral("<h2 style=\"color: #23408e\">%1</h2><p>%2</p><p>%3<br><tt>%4</tt></p><p>%5</p>")
        //: The heading of the help window when its file cannot be shown.
        .arg(HelpWindow::tr("Help is not available"), problem.toHtmlEscaped(),
             //: In the help window when its file cannot be shown; the file's path follows on the next line.
             HelpWindow::tr("Quellix looks for it at"), path.toHtmlEscaped(),
             //: In the help window when its file cannot be shown.
             HelpWindow::tr("Installing Quellix again puts it back. The game itself is not affected."));
}
}  // namespace

QString helpFileFor(const QString& path, const QString& language) {
    if (language.isEmpty()) return path;
    const QFileInfo english(path);
    const QString translated = english.dir().filePath(english.completeBaseName() + QLatin1Char('_') + language +
                                                      QLatin1Char('.') + english.suffix());
    return QFileInfo::exists(translated) ? translated : path;
}

HelpWindow::HelpWindow() = default;
HelpWindow::~HelpWindow() = default;

QWidget* HelpWindow::window() const { return window_.get(); }
QTextBrowser* HelpWindow::browser() const { return browser_; }

void HelpWindow::build() {
    window_ = std::make_unique<QWidget>(nullptr, Qt::Window);
    window_->setObjectName(QStringLiteral("helpViewer"));
    //: The title of the help window; %1 is the program's name.
    window_->setWindowTitle(HelpWindow::tr("%1 Help").arg(QApplication::applicationName()));
    window_->setAttribute(Qt::WA_QuitOnClose, false);  // the game's window alone keeps the program running

    browser_ = new QTextBrowser(window_.get());
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDocumentMargin(18);
    browser_->setFrameShape(QFrame::NoFrame);

    //: A button of the help window: back to the top of the help page.
    auto* contents = new QPushButton(HelpWindow::tr("Contents"), window_.get());
    //: A button of the help window: the place shown before.
    auto* back = new QPushButton(HelpWindow::tr("Back"), window_.get());
    //: A button of the help window: the place shown after, once Back was pressed.
    auto* forward = new QPushButton(HelpWindow::tr("Forward"), window_.get());
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
    path_ = helpFileFor(QString::fromStdString(path), uiLanguage());
    load();
    if (window_->isMinimized()) window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace qlx
