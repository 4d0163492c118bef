#include "deal_view.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "deal_number.h"
#include "game_flow.h"
#include "ui_look.h"

namespace qlx {

namespace {
const QColor kKnownRed(160, 0, 0);  // as the assisted mark
}  // namespace

void DealView::addMenuItems(QMenu* gameMenu, QAction* before) {
    const auto item = [&](const QString& caption, const QKeySequence& keys, void (DealView::*chosen)()) {
        auto* a = new QAction(caption, gameMenu);
        connect(a, &QAction::triggered, this, chosen);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    undoAll_ = item(tr("Undo All"), QKeySequence(Qt::CTRL | Qt::Key_Home), &DealView::undoAllChosen);
    redoAll_ = item(tr("Redo All"), QKeySequence(Qt::CTRL | Qt::Key_End), &DealView::redoAllChosen);
    gameMenu->insertAction(before, undoAll_);
    gameMenu->insertAction(before, redoAll_);
    restart_ = item(tr("Restart Deal"), QKeySequence(Qt::Key_F5), &DealView::restartChosen);
    playDeal_ = item(tr("Play Deal Number…"), QKeySequence(Qt::CTRL | Qt::Key_D), &DealView::playDealChosen);
    showBest_ = item(tr("Show Best Found"), QKeySequence(Qt::CTRL | Qt::Key_B), &DealView::showBestChosen);
    gameMenu->addSeparator();
    gameMenu->addActions({restart_, playDeal_, showBest_});
}

void DealView::addLabel(QWidget* statsFrame, const QLabel& below) {
    knownDeal_ = new QLabel(tr("Known deal"), statsFrame);
    knownDeal_->setObjectName(QStringLiteral("knownDealLabel"));
    knownDeal_->setFont(uiFont(7.5, true));
    knownDeal_->setAlignment(Qt::AlignCenter);
    setTextColor(knownDeal_, kKnownRed);
    knownDeal_->move(2, below.geometry().bottom() + 1);
    knownDeal_->hide();  // measured when first shown: its bold face is not loaded at start
}

void DealView::fitLabel() {
    // On two lines where one is too short for it (a longer language), and
    // written smaller where a word alone is wider than the panel, or where
    // the language writes no blanks between words (it would break anywhere).
    QWidget* panel = knownDeal_->parentWidget();
    const bool blanks = knownDeal_->text().contains(QLatin1Char(' '));
    knownDeal_->setWordWrap(blanks);
    const int width = panel->width() - 6;
    QFont font = knownDeal_->font();
    const auto tooWide = [&] {
        return (blanks ? knownDeal_->minimumSizeHint() : knownDeal_->sizeHint()).width() > width;
    };
    while (tooWide() && font.pointSizeF() > 5) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        knownDeal_->setFont(font);
    }
    knownDeal_->setGeometry(panel->isRightToLeft() ? 4 : 2, knownDeal_->y(), width,
                            blanks ? knownDeal_->heightForWidth(width) : knownDeal_->sizeHint().height());
    fitted_ = true;
}

void DealView::show(const GameFlow& flow) {
    undoAll_->setEnabled(flow.canUndo());
    redoAll_->setEnabled(flow.canRedo());
    restart_->setEnabled(flow.canRestart());
    playDeal_->setEnabled(flow.canPlayDeal());
    showBest_->setEnabled(flow.canShowBestLine());
    const bool known = flow.knownDeal() && flow.dealNumber();
    if (known && !fitted_) fitLabel();
    knownDeal_->setVisible(known);
    if (known) {
        knownDeal_->setAccessibleName(tr("Known deal, number %1: not ranked")
                                          .arg(QString::fromStdString(dealNumberText(*flow.dealNumber()))));
    }
}

}  // namespace qlx
