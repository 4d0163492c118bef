#include "game_over_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui_look.h"

namespace qlx {

QString GameOverDialog::infoText(int32_t score) {
    return QStringLiteral("Congratulations, You solved the game Successfully \r\n With a score of ") +
           QString::number(score);
}

GameOverDialog::GameOverDialog(int32_t score, const ScreenMetrics& screen, QWidget* parent) : QDialog(parent) {
    const TwipScale tw(screen);
    makeDialogWindow(this, QStringLiteral("Wow"), tw, 6285, 3300);
    infoLabel_ = designLabel(this, "infoLabel", QStringLiteral("Label1"), tw, 570, 450, uiFont(12));
    playAgainButton_ = designButton(this, "playAgainButton", QStringLiteral(" Play Again "), tw, 1335, 2550, 1425, 375);
    cancelButton_ = designButton(this, "cancelButton", QStringLiteral("Cancel"), tw, 3345, 2535, 1455, 375);
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
    playAgainButton_->setFocus();
}

}  // namespace qlx
