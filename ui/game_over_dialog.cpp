#include "game_over_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "language.h"
#include "ui_look.h"

namespace qlx {

QString GameOverDialog::infoText(int32_t score) {
    //: The end-of-game dialog's text, on two lines; %1 is the score. The English capitals, the blanks around the
    //: line break and the words ("solved the game Successfully", said of every game) are deliberate; translate
    //: it by its meaning.
    return tr("Congratulations, You solved the game Successfully \r\n With a score of %1").arg(localDigits(score));
}

GameOverDialog::GameOverDialog(int32_t score, const ScreenMetrics& screen, QWidget* parent) : QDialog(parent) {
    const TwipScale tw(screen);
    //: The title of the end-of-game dialog: an exclamation of surprise and delight.
    makeDialogWindow(this, tr("Wow"), tw, 6285, 3300);
    infoLabel_ = designLabel(this, "infoLabel", QStringLiteral("Label1"), tw, 570, 450, uiFont(12));
    //: The button of the end-of-game dialog that starts a new game. The blanks around the English text are
    //: deliberate; translate the words by their meaning.
    playAgainButton_ = designButton(this, "playAgainButton", tr(" Play Again "), tw, 1335, 2550, 1425, 375);
    //: The button of the end-of-game dialog that closes it without a new game.
    cancelButton_ = designButton(this, "cancelButton", tr("Cancel"), tw, 3345, 2535, 1455, 375);
    setLabel(infoLabel_, infoText(score));
    widenToHold(this, infoLabel_, infoLabel_->x());
    playAgain_ = false;
    setDialogButtons(this, nullptr, cancelButton_);
    // Esc, the close box and Cancel all leave playAgain false.
    connect(playAgainButton_, &QPushButton::clicked, this, [this] {
        playAgain_ = true;
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    fitButtons(this);
    mirrorIfRightToLeft(this);
    playAgainButton_->setFocus();
}

}  // namespace qlx
