#include "about_dialog.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QVersionNumber>

#include "language.h"
#include "ui_look.h"

namespace qlx {

namespace {
const QColor kTitleBackground(255, 255, 192);  // light yellow
const QColor kTitleText(0, 0, 192);            // dark blue
const QColor kLinkBlue(0, 0, 255);
const QColor kLinkFocus(255, 255, 192);  // behind the link while it has the focus

// The link, to assistive technology: a link named by its text, which can be pressed.
class Link : public QAccessibleWidget {
public:
    explicit Link(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        if (auto* about = qobject_cast<AboutDialog*>(widget()->window())) about->openLink();
    }
};

QAccessibleInterface* linkFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel") && object->property("qlxLink").toBool())
        return new Link(static_cast<QLabel*>(object));
    return nullptr;
}

// "Quellix 1.0": the application's name, its major and its minor version.
QString titleText() {
    const QVersionNumber v = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return QStringLiteral("%1 %2.%3")
        .arg(QCoreApplication::applicationName(), localDigits(v.majorVersion()), localDigits(v.minorVersion()));
}
}  // namespace

AboutDialog::AboutDialog(const QString& webAddress, std::function<void()> openWebSite, const ScreenMetrics& screen,
               QWidget* parent)
    : QDialog(parent), openWebSite_(std::move(openWebSite)) {
    const TwipScale tw(screen);
    //: The title of the About dialog. The English text is deliberately a placeholder's ("Dialog Caption"), as
    //: the game has always shown it; translate it by its meaning (e.g. "Dialog title").
    makeDialogWindow(this, tr("Dialog Caption"), tw, 5580, 3195);

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
    webLabel_->setFocusPolicy(Qt::StrongFocus);  // reached by Tab after OK
    static const bool linkAccessible = (QAccessible::installFactory(linkFactory), true);
    (void)linkAccessible;
    webLabel_->setProperty("qlxLink", true);
    // An interface made for the label before it was marked (while it was
    // built, with a screen reader running) is dropped: the next one is the link's.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(webLabel_)));

    //: The button that closes the About dialog.
    okButton_ = designButton(this, "okButton", tr("OK"), tw, 1815, 2535, 1215, 375);
    okButton_->setFocus();
    setDialogButtons(this, nullptr, nullptr);  // neither a default nor a cancel button

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    webLabel_->installEventFilter(this);
    fitButtons(this);
    mirrorIfRightToLeft(this);
}

void AboutDialog::openLink() {
    if (openWebSite_) openWebSite_();
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != webLabel_) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !webLabel_->rect().contains(mouse->position().toPoint())) break;
            openLink();
            return true;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) break;
            openLink();
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // A focused link shows it on a light background; its text does not move.
            webLabel_->setAutoFillBackground(event->type() == QEvent::FocusIn);
            setBackground(webLabel_, kLinkFocus);
            break;
        default: break;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qlx
