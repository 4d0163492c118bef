#include "scores_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "best_scores.h"
#include "captions.h"
#include "language.h"
#include "ui_look.h"

namespace qlx {

ScoresDialog::ScoresDialog(Program& program, const ScreenMetrics& screen, QWidget* parent) : QDialog(parent), program_(program) {
    const TwipScale tw(screen);
    //: The title of the dialog of the three best scores.
    makeDialogWindow(this, tr("Scores"), tw, 6405, 3810);
    titleLabel_ = designLabel(this, "titleLabel", QStringLiteral("Label1"), tw, 120, 270, uiFont(12, true));
    const int nameTops[] = {1200, 1620, 2145};
    const int scoreTops[] = {1320, 1725, 2115};
    for (int i = 0; i < 3; ++i) {
        nameLabels_[i] = designLabel(this, "nameLabels", QString(), tw, 1005, nameTops[i], uiFont(9.75));
        scoreLabels_[i] = designLabel(this, "scoreLabels", QString(), tw, 4215, scoreTops[i], uiFont(9.75));
    }
    //: The button that closes the best scores.
    okButton_ = designButton(this, "okButton", tr("OK"), tw, 1275, 2835, 1215, 375);
    //: The button that clears the three best scores of this grid, mode and number of kinds.
    clearButton_ = designButton(this, "clearButton", tr("Clear Data"), tw, 3060, 2850, 1215, 375);
    // Neither button answers Enter or Esc on its own.
    setDialogButtons(this, nullptr, nullptr);
    for (QPushButton* b : {okButton_, clearButton_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setTabOrder(okButton_, clearButton_);

    setLabel(titleLabel_, scoresTitle(currentConfiguration(program_)));
    showRecord();
    widenToHold(this, titleLabel_);
    fitButtons(this);
    mirrorIfRightToLeft(this);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(clearButton_, &QPushButton::clicked, this, [this] {
        program_.settings.clearScores(program_.bestScores, currentConfiguration(program_));
        saveChanges(program_);  // kept at once; a failure is tried again at the next save
        showRecord();
    });
}

BestScoreRecord& ScoresDialog::record() {
    return program_.bestScores.recordFor(currentConfiguration(program_));
}

void ScoresDialog::showRecord() {
    const BestScoreRecord& r = record();
    for (int i = 0; i < 3; ++i) {
        setLabel(nameLabels_[i], QString::fromStdString(r.names[i]));
        setLabel(scoreLabels_[i], localDigits(r.scores[i]));
    }
}

}  // namespace qlx
