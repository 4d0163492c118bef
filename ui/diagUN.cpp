#include "diagUN.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Module6.h"
#include "ui_look.h"

namespace qlx {

diagUN::diagUN(int16_t gameMode, const ScreenMetrics& screen, QWidget* parent) : QDialog(parent) {
    const TwipScale tw(screen);
    makeDialogWindow(this, QStringLiteral("Best Score"), tw, 4935, 3105);
    lblCongMsg_ = designLabel(this, "lblCongMsg", QStringLiteral("C"), tw, 2295, 330, uiFont(8.25, true), true);
    designLabel(this, "Label1", QStringLiteral("Enter Your Name"), tw, 360, 1590, uiFont(8.25));
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setFont(uiFont(8.25));
    txtName_->setGeometry(tw.rect(1995, 1515, 2490, 330));
    okButton_ = designButton(this, "OKButton", QStringLiteral("OK"), tw, 1905, 2280, 1215, 375);
    okButton_->setDefault(true);
    setDialogButtons(this, okButton_, nullptr);  // Enter presses OK; Esc does nothing
    setTabOrder(txtName_, okButton_);
    setLabel(lblCongMsg_, QString::fromStdString(modeTitle(gameMode)));
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    txtName_->setFocus();
}

void diagUN::done(int result) {
    userName_ = userNameFromText(txtName_->text().toStdString());
    QDialog::done(result);
}

}  // namespace qlx
