#include "frmStats.h"

#include <QLabel>
#include <QPushButton>

#include "Module6.h"
#include "ui_look.h"

namespace qlx {

frmStats::frmStats(Program& program, const ScreenMetrics& screen, QWidget* parent) : QDialog(parent), program_(program) {
    const TwipScale tw(screen);
    makeDialogWindow(this, QStringLiteral("Scores"), tw, 6405, 3810);
    lblStatTitle_ = designLabel(this, "lblStatTitle", QStringLiteral("Label1"), tw, 120, 270, uiFont(12, true));
    const int nameTops[] = {1200, 1620, 2145};
    const int scoreTops[] = {1320, 1725, 2115};
    for (int i = 0; i < 3; ++i) {
        lblUsrName_[i] = designLabel(this, "lblUsrName", QString(), tw, 1005, nameTops[i], uiFont(9.75));
        lblSec_[i] = designLabel(this, "lblSec", QString(), tw, 4215, scoreTops[i], uiFont(9.75));
    }
    okButton_ = designButton(this, "OKButton", QStringLiteral("OK"), tw, 1275, 2835, 1215, 375);
    cancelButton_ = designButton(this, "CancelButton", QStringLiteral("Clear Data"), tw, 3060, 2850, 1215, 375);
    // Neither button answers Enter or Esc on its own.
    setDialogButtons(this, nullptr, nullptr);
    for (QPushButton* b : {okButton_, cancelButton_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setTabOrder(okButton_, cancelButton_);

    setLabel(lblStatTitle_, QString::fromStdString(statsTitle(currentConfiguration(program_))));
    showRecord();
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        clearRecord(record());
        showRecord();
    });
}

BestScoreRecord& frmStats::record() {
    return program_.bestScores.recordFor(currentConfiguration(program_));
}

void frmStats::showRecord() {
    const BestScoreRecord& r = record();
    for (int i = 0; i < 3; ++i) {
        setLabel(lblUsrName_[i], QString::fromStdString(r.names[i]));
        setLabel(lblSec_[i], QString::number(r.scores[i]));
    }
}

}  // namespace qlx
