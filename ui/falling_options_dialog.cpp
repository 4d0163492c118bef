#include "falling_options_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <tuple>

#include "clock.h"
#include "language.h"
#include "options.h"
#include "ui_look.h"

namespace qlx {

namespace {

const OptionField& speedField() { return optionField(&Options::fallSpeedIndex); }
const OptionField& timeField() { return optionField(&Options::fallTimeIndex); }

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

FallingOptionsDialog::FallingOptionsDialog(const ScreenMetrics& screen, QWidget* parent) : QDialog(parent) {
    const TwipScale tw(screen);
    //: The title of the dialog of the falling game's options.
    makeDialogWindow(this, tr("Set Falling Tile Game Options"), tw, 4680, 3195);
    //: Before the list of the falling periods: "[new] tiles fall every [2] seconds". The English grammar ("Tiles
    //: falls") is deliberate; translate the words by their meaning.
    QLabel* speedCaption = designLabel(this, "speedCaption", tr("Tiles falls for every"), tw, 630, 795, uiFont(9.75));
    speedBox_ = designCombo(this, "speedBox", QStringLiteral("Combo1"), tw, 2445, 750, 780, 315);
    //: After the list of the falling periods: "[new] tiles fall every [2] seconds".
    QLabel* seconds = designLabel(this, "secondsCaption", tr("Seconds"), tw, 3555, 825, uiFont(8.25));
    //: Before the list of the falling game's lengths: "the game ends after [2:00] minutes". The capital E is
    //: deliberate in English; translate the words by their meaning.
    QLabel* timeCaption = designLabel(this, "timeCaption", tr("Game Ends after"), tw, 825, 1335, uiFont(9.75));
    timeBox_ = designCombo(this, "timeBox", QStringLiteral("Combo2"), tw, 2415, 1305, 840, 315);
    //: After the list of the falling game's lengths (in minutes and seconds, e.g. 2:30).
    QLabel* minutes = designLabel(this, "minutesCaption", tr("Minutes"), tw, 3690, 1335, uiFont(8.25));
    keepLeftOf(speedCaption, speedBox_);
    keepLeftOf(timeCaption, timeBox_);
    makeRoomRightOf(speedCaption, {speedBox_, seconds});
    makeRoomRightOf(timeCaption, {timeBox_, minutes});
    widenToHold(this, seconds);
    widenToHold(this, minutes);
    // Each box is read with the words of its line and its unit ("Tiles falls
    // for every, seconds"). On Linux a combo box's accessible name is its text:
    // screen readers read the label that names it, a buddy; Orca reads only the
    // first such label, so the line's label carries the unit in its accessible
    // name, while its text on screen stays as it is.
    for (auto [box, words, unit] : {std::tuple{speedBox_, speedCaption, seconds}, std::tuple{timeBox_, timeCaption, minutes}}) {
        //: What a screen reader says for a list of the falling options: %1 the words before it, %2 the unit after
        //: it, e.g. "Tiles falls for every, seconds". Translate the comma and the order.
        const QString spoken = tr("%1, %2").arg(words->text(), uiLocale().toLower(unit->text()));
        words->setBuddy(box);
        words->setAccessibleName(spoken);
        box->setAccessibleName(spoken);  // for the platforms that read a box's own name
    }
    //: The button that takes the chosen falling options. "Ok" with a small k is deliberate in English; translate it
    //: by its meaning.
    okButton_ = designButton(this, "okButton", tr("Ok"), tw, 1005, 2460, 1095, 360);
    //: The button that leaves the falling options as they were.
    cancelButton_ = designButton(this, "cancelButton", tr("Cancel"), tw, 2655, 2445, 1020, 390);
    setDialogButtons(this, nullptr, cancelButton_);

    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, speedBox_);
    setTabOrder(speedBox_, timeBox_);
    okButton_->setFocus();

    for (QComboBox* box : {speedBox_, timeBox_}) {
        connect(box->lineEdit(), &QLineEdit::editingFinished, box, [box] { settleOnItem(box); });
    }
    connect(okButton_, &QPushButton::clicked, this, &FallingOptionsDialog::okClicked);
    // Cancel, Esc and the close box leave the three variables as they are.
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    fitButtons(this);
    mirrorIfRightToLeft(this);
}

void FallingOptionsDialog::fillLists() {
    okPressed = false;
    speedBox_->clear();
    timeBox_->clear();
    for (int16_t i = speedField().min; i <= speedField().max; ++i) {
        speedBox_->addItem(localDigits(tilePeriodFor(i) / 1000));
    }
    for (int16_t i = timeField().min; i <= timeField().max; ++i) {
        timeBox_->addItem(localDigits(QString::fromStdString(clockText(timeLimitFor(i)))));
    }
    speedBox_->setCurrentIndex(speedField().inRange(speedIndex) ? speedIndex : speedField().firstRun);
    timeBox_->setCurrentIndex(timeField().inRange(timeIndex) ? timeIndex : timeField().firstRun);
}

void FallingOptionsDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) fillLists();
    QDialog::showEvent(event);
}

void FallingOptionsDialog::okClicked() {
    speedIndex = static_cast<int16_t>(chosenPosition(speedBox_));
    timeIndex = static_cast<int16_t>(chosenPosition(timeBox_));
    okPressed = true;
    accept();
}

}  // namespace qlx
