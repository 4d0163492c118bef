#include "frmAbt.h"

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

frmAbt::frmAbt(const QString& webAddress, std::function<void()> openWebSite, const ScreenMetrics& screen,
               QWidget* parent)
    : QDialog(parent), openWebSite_(std::move(openWebSite)) {
    const TwipScale tw(screen);
    makeDialogWindow(this, QStringLiteral("Dialog Caption"), tw, 5580, 3195);

    // The icon stretched to its design box, drawn from its vectors at the screen's density.
    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(tw.rect(885, 360, 900, 825));
    image1_->setPixmap(vectorPicture(QStringLiteral(":/icon/quellix.svg"), image1_->size(), devicePixelRatioF()));

    lblTitle_ = designLabel(this, "lblTitle", QStringLiteral("Label1"), tw, 2100, 615, uiFont(12));
    setBackground(lblTitle_, kTitleBackground);
    setTextColor(lblTitle_, kTitleText);
    setLabel(lblTitle_, titleText());

    QString shown = webAddress;
    shown.remove(QRegularExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://")));
    lblWeb_ = designLabel(this, "lblWeb", shown, tw, 1785, 2040, uiFont(8.25, true, true));
    setTextColor(lblWeb_, kLinkBlue);
    lblWeb_->setCursor(Qt::PointingHandCursor);
    lblWeb_->setToolTip(webAddress);

    okButton_ = designButton(this, "OKButton", QStringLiteral("OK"), tw, 1815, 2535, 1215, 375);
    okButton_->setFocus();
    setDialogButtons(this, nullptr, nullptr);  // neither a default nor a cancel button

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    lblWeb_->installEventFilter(this);
}

bool frmAbt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblWeb_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        lblWeb_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        if (openWebSite_) openWebSite_();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qlx
