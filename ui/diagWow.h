// The end-of-game dialog: the final score, "Play Again" or Cancel.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;

namespace qlx {

class ScreenMetrics;

class diagWow : public QDialog {
    Q_OBJECT
public:
    diagWow(int32_t score, const ScreenMetrics& screen, QWidget* parent = nullptr);

    bool playAgain() const { return playAgain_; }
    QLabel* lblInfo() const { return lblInfo_; }
    QPushButton* OKButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    static QString infoText(int32_t score);

private:
    QLabel* lblInfo_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    bool playAgain_ = false;
};

}  // namespace qlx
