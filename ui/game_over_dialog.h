// The end-of-game dialog: the final score, "Play Again" or Cancel.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;

namespace qlx {

class ScreenMetrics;

class GameOverDialog : public QDialog {
    Q_OBJECT
public:
    GameOverDialog(int32_t score, const ScreenMetrics& screen, QWidget* parent = nullptr);

    bool playAgain() const { return playAgain_; }
    QLabel* infoLabel() const { return infoLabel_; }
    QPushButton* playAgainButton() const { return playAgainButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    static QString infoText(int32_t score);

private:
    QLabel* infoLabel_;
    QPushButton* playAgainButton_;
    QPushButton* cancelButton_;
    bool playAgain_ = false;
};

}  // namespace qlx
