#include "diagWow.h"

#include <QLabel>
#include <QPushButton>

#include "ui_look.h"

namespace qlx {

QString diagWow::infoText(int32_t score) {
    return QStringLiteral("Congratulations, You solved the game Successfully \r\n With a score of ") +
           QString::number(score);
}

diagWow::diagWow(int32_t score, const ScreenMetrics& screen, QWidget* parent) : QDialog(parent) {
    const TwipScale tw(screen);
    makeDialogWindow(this, QStringLiteral("Wow"), tw, 6285, 3300);
    lblInfo_ = designLabel(this, "lblInfo", QStringLiteral("Label1"), tw, 570, 450, uiFont(12));
    okButton_ = designButton(this, "OKButton", QStringLiteral(" Play Again "), tw, 1335, 2550, 1425, 375);
    cancelButton_ = designButton(this, "CancelButton", QStringLiteral("Cancel"), tw, 3345, 2535, 1455, 375);
    setLabel(lblInfo_, infoText(score));
    playAgain_ = false;
    setDialogButtons(this, nullptr, cancelButton_);
    // Esc, the close box and Cancel all leave playAgain false.
    connect(okButton_, &QPushButton::clicked, this, [this] {
        playAgain_ = true;
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    okButton_->setFocus();
}

}  // namespace qlx
