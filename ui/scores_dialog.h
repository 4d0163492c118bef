// The best scores of the current configuration, with "Clear Data".
#pragma once

#include <QDialog>
#include <array>

#include "program.h"

class QLabel;
class QPushButton;

namespace qlx {

class ScoresDialog : public QDialog {
    Q_OBJECT
public:
    ScoresDialog(Program& program, const ScreenMetrics& screen, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return titleLabel_; }
    const std::array<QLabel*, 3>& nameLabels() const { return nameLabels_; }
    const std::array<QLabel*, 3>& scoreLabels() const { return scoreLabels_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* clearButton() const { return clearButton_; }

private:
    void showRecord();
    BestScoreRecord& record();

    Program& program_;
    QLabel* titleLabel_;
    std::array<QLabel*, 3> nameLabels_{};
    std::array<QLabel*, 3> scoreLabels_{};
    QPushButton* okButton_;
    QPushButton* clearButton_;
};

}  // namespace qlx
