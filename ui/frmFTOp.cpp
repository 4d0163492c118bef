#include "frmFTOp.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "clock.h"
#include "settings.h"
#include "ui_look.h"

namespace qlx {

namespace {

const SettingsField& speedField() { return settingsField(&SavedSettings::fallSpeedIndex); }
const SettingsField& timeField() { return settingsField(&SavedSettings::fallTimeIndex); }

QComboBox* designCombo(QWidget* parent, const char* name, const QString& text, const TwipScale& tw, int left, int top,
                       int width, int height) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);  // typed text never becomes an item
    box->setEditText(text);
    box->setGeometry(tw.rect(left, top, width, height));
    return box;
}

// The position that typed text stands for: the item it names once trimmed,
// else the item selected before the typing.
int chosenPosition(const QComboBox* box) {
    const int typed = box->findText(box->currentText().trimmed(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return typed >= 0 ? typed : box->currentIndex();
}

// Shows the item that "Ok" would read, once the player has stopped typing.
void settleOnItem(QComboBox* box) {
    const int position = chosenPosition(box);
    box->setCurrentIndex(position);
    box->setEditText(box->itemText(position));
}

}  // namespace

frmFTOp::frmFTOp(const ScreenMetrics& screen, QWidget* parent) : QDialog(parent) {
    const TwipScale tw(screen);
    makeDialogWindow(this, QStringLiteral("Set Falling Tile Game Options"), tw, 4680, 3195);
    designLabel(this, "Label1", QStringLiteral("Tiles falls for every"), tw, 630, 795, uiFont(9.75));
    cmbSpeed_ = designCombo(this, "cmbSpeed", QStringLiteral("Combo1"), tw, 2445, 750, 780, 315);
    designLabel(this, "Label3", QStringLiteral("Seconds"), tw, 3555, 825, uiFont(8.25));
    designLabel(this, "Label2", QStringLiteral("Game Ends after"), tw, 825, 1335, uiFont(9.75));
    cmbTime_ = designCombo(this, "cmbTime", QStringLiteral("Combo2"), tw, 2415, 1305, 840, 315);
    designLabel(this, "Label4", QStringLiteral("Minutes"), tw, 3690, 1335, uiFont(8.25));
    command1_ = designButton(this, "Command1", QStringLiteral("Ok"), tw, 1005, 2460, 1095, 360);
    command2_ = designButton(this, "Command2", QStringLiteral("Cancel"), tw, 2655, 2445, 1020, 390);
    setDialogButtons(this, nullptr, command2_);

    setTabOrder(command1_, command2_);
    setTabOrder(command2_, cmbSpeed_);
    setTabOrder(cmbSpeed_, cmbTime_);
    command1_->setFocus();

    for (QComboBox* box : {cmbSpeed_, cmbTime_}) {
        connect(box->lineEdit(), &QLineEdit::editingFinished, box, [box] { settleOnItem(box); });
    }
    connect(command1_, &QPushButton::clicked, this, &frmFTOp::Command1_Click);
    // Cancel, Esc and the close box leave the three variables as they are.
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmFTOp::Form_Load() {
    okPressed = false;
    cmbSpeed_->clear();
    cmbTime_->clear();
    for (int16_t i = speedField().min; i <= speedField().max; ++i) {
        cmbSpeed_->addItem(QString::number(tilePeriodFor(i) / 1000));
    }
    for (int16_t i = timeField().min; i <= timeField().max; ++i) {
        cmbTime_->addItem(QString::fromStdString(clockText(timeLimitFor(i))));
    }
    cmbSpeed_->setCurrentIndex(speedField().inRange(speedIndex) ? speedIndex : speedField().firstRun);
    cmbTime_->setCurrentIndex(timeField().inRange(timeIndex) ? timeIndex : timeField().firstRun);
}

void frmFTOp::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void frmFTOp::Command1_Click() {
    speedIndex = static_cast<int16_t>(chosenPosition(cmbSpeed_));
    timeIndex = static_cast<int16_t>(chosenPosition(cmbTime_));
    okPressed = true;
    accept();
}

}  // namespace qlx
