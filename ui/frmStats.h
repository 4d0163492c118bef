// The best scores of the current configuration, with "Clear Data".
#pragma once

#include <QDialog>
#include <array>

#include "program.h"

class QLabel;
class QPushButton;

namespace qlx {

class frmStats : public QDialog {
    Q_OBJECT
public:
    frmStats(Program& program, const ScreenMetrics& screen, QWidget* parent = nullptr);

    QLabel* lblStatTitle() const { return lblStatTitle_; }
    const std::array<QLabel*, 3>& lblUsrName() const { return lblUsrName_; }
    const std::array<QLabel*, 3>& lblSec() const { return lblSec_; }
    QPushButton* OKButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

private:
    void showRecord();
    BestScoreRecord& record();

    Program& program_;
    QLabel* lblStatTitle_;
    std::array<QLabel*, 3> lblUsrName_{};
    std::array<QLabel*, 3> lblSec_{};
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace qlx
