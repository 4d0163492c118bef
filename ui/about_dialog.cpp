#include "about_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QVersionNumber>

#include "ui_look.h"

namespace qlx {

namespace {
const QColor kTitleBackground(255, 255, 192);  // light yellow
const QColor kTitleText(0, 0, 192);            // dark blue
const QColor kLinkBlue(0, 0, 255);

// "Quellix 1.0": the application's name, its major and its minor version.
QString titleText() {
    const QVersionNumber v = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return QStringLiteral("%1 %2.%3").arg(QCoreApplication::applicationName()).arg(v.majorVersion()).arg(v.minorVersion());
}
}  // namespace

AboutDialog::AboutDialog(const QString& webAddress, std::function<void()> openWebSite, const ScreenMetrics& screen,
               QWidget* parent)
    : QDialog(parent), openWebSite_(std::move(openWebSite)) {
    const TwipScale tw(screen);
    makeDialogWindow(this, QStringLiteral("Dialog Caption"), tw, 5580, 3195);

    // The icon stretched to its design box, drawn from its vectors at the screen's density.
    iconLabel_ = new QLabel(this);
    iconLabel_->setObjectName(QStringLiteral("iconLabel"));
    iconLabel_->setGeometry(tw.rect(885, 360, 900, 825));
    iconLabel_->setPixmap(vectorPicture(QStringLiteral(":/icon/quellix.svg"), iconLabel_->size(), devicePixelRatioF()));

    titleLabel_ = designLabel(this, "titleLabel", QStringLiteral("Label1"), tw, 2100, 615, uiFont(12));
    setBackground(titleLabel_, kTitleBackground);
    setTextColor(titleLabel_, kTitleText);
    setLabel(titleLabel_, titleText());

    QString shown = webAddress;
    shown.remove(QRegularExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://")));
    webLabel_ = designLabel(this, "webLabel", shown, tw, 1785, 2040, uiFont(8.25, true, true));
    setTextColor(webLabel_, kLinkBlue);
    webLabel_->setCursor(Qt::PointingHandCursor);
    webLabel_->setToolTip(webAddress);

    okButton_ = designButton(this, "okButton", QStringLiteral("OK"), tw, 1815, 2535, 1215, 375);
    okButton_->setFocus();
    setDialogButtons(this, nullptr, nullptr);  // neither a default nor a cancel button

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    webLabel_->installEventFilter(this);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == webLabel_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        webLabel_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        if (openWebSite_) openWebSite_();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qlx
