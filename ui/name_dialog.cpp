#include "name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "best_scores.h"
#include "captions.h"
#include "ui_look.h"

namespace qlx {

NameDialog::NameDialog(int16_t gameMode, const ScreenMetrics& screen, QWidget* parent) : QDialog(parent) {
    const TwipScale tw(screen);
    //: The title of the dialog that asks a new best score's player for a name.
    makeDialogWindow(this, tr("Best Score"), tw, 4935, 3105);
    titleLabel_ = designLabel(this, "titleLabel", QStringLiteral("C"), tw, 2295, 330, uiFont(8.25, true), true);
    //: Beside the field for the player's name in the best-score dialog.
    QLabel* prompt = designLabel(this, "namePrompt", tr("Enter Your Name"), tw, 360, 1590, uiFont(8.25));
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    nameEdit_->setFont(uiFont(8.25));
    nameEdit_->setGeometry(tw.rect(1995, 1515, 2490, 330));
    makeRoomRightOf(prompt, {nameEdit_});
    widenToHold(this, nameEdit_);
    prompt->setBuddy(nameEdit_);  // the field is read as "Enter Your Name"
    nameEdit_->setAccessibleName(prompt->text());
    //: The button that enters the name of a best score.
    okButton_ = designButton(this, "okButton", tr("OK"), tw, 1905, 2280, 1215, 375);
    okButton_->setDefault(true);
    setDialogButtons(this, okButton_, nullptr);  // Enter presses OK; Esc does nothing
    setTabOrder(nameEdit_, okButton_);
    setLabel(titleLabel_, modeTitle(gameMode));
    centreIfOutside(this, titleLabel_);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    fitButtons(this);
    mirrorIfRightToLeft(this);
    nameEdit_->setFocus();
}

void NameDialog::done(int result) {
    userName_ = userNameFromText(nameEdit_->text().toStdString());
    QDialog::done(result);
}

}  // namespace qlx
