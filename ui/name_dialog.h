// The name dialog shown when a finished game reaches the best scores.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qlx {

class ScreenMetrics;

class NameDialog : public QDialog {
    Q_OBJECT
public:
    NameDialog(int16_t gameMode, const ScreenMetrics& screen, QWidget* parent = nullptr);

    // The entered name, valid once the dialog has closed, however it was closed.
    const std::string& userName() const { return userName_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QLineEdit* nameEdit() const { return nameEdit_; }
    QPushButton* okButton() const { return okButton_; }

    void done(int result) override;

private:
    QLabel* titleLabel_;
    QLineEdit* nameEdit_;
    QPushButton* okButton_;
    std::string userName_;
};

}  // namespace qlx
