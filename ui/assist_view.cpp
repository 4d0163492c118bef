#include "assist_view.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "game_flow.h"
#include "language.h"
#include "ui_look.h"

namespace qlx {

namespace {
const QColor kAssistedRed(160, 0, 0);
}  // namespace

void AssistView::addLabels(QWidget* statsFrame, const TwipScale& tw) {
    // Between the score and the "Best Score" caption, on two lines if the panel is too narrow for one.
    bestFoundLabel_ = new QLabel(statsFrame);
    bestFoundLabel_->setObjectName(QStringLiteral("bestFoundLabel"));
    bestFoundLabel_->setFont(uiFont(7.5));
    bestFoundLabel_->setAlignment(Qt::AlignCenter);
    bestFoundLabel_->setWordWrap(true);
    bestFoundLabel_->setGeometry(2, tw.y(630), statsFrame->width() - 6, tw.y(345));
    bestFoundLabel_->hide();
    //: Shown in the panel once Undo or Hint was used in the game: its score does not enter the best scores.
    assistedLabel_ = designLabel(statsFrame, "assistedLabel", tr("Assisted"), tw, 0, 2940, uiFont(8.25, true));
    assistedLabel_->move((statsFrame->width() - assistedLabel_->width()) / 2, assistedLabel_->y());
    setTextColor(assistedLabel_, kAssistedRed);
    assistedLabel_->hide();
}

void AssistView::addMenuItems(QMenu* gameMenu) {
    const auto item = [&](const QString& caption, const QKeySequence& keys, void (AssistView::*chosen)()) {
        QAction* a = gameMenu->addAction(caption, this, chosen);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    //: A Game menu item: take back the last move.
    undoAction_ = item(tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), &AssistView::undoChosen);
    //: A Game menu item: play again the move taken back.
    redoAction_ = item(tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &AssistView::redoChosen);
    //: A Game menu item: show the group the game recommends playing.
    hintAction_ = item(tr("Hint"), QKeySequence(Qt::Key_H), &AssistView::hintChosen);
}

void AssistView::show(const GameFlow& flow) {
    undoAction_->setEnabled(flow.canUndo());
    redoAction_->setEnabled(flow.canRedo());
    hintAction_->setEnabled(flow.canHint());
    assistedLabel_->setVisible(flow.assisted());
}

void AssistView::showBestFound(int32_t total) {
    const QString text = bestFoundText(total);
    bestFoundLabel_->setText(text);
    // A text too long for its two lines (a longer language) is written smaller.
    QFont font = uiFont(7.5);
    bestFoundLabel_->setFont(font);
    const auto tooLong = [this] { return bestFoundLabel_->heightForWidth(bestFoundLabel_->width()) > bestFoundLabel_->height(); };
    while (tooLong() && font.pointSizeF() > 5) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        bestFoundLabel_->setFont(font);
    }
    bestFoundLabel_->setAccessibleName(text);
    bestFoundLabel_->show();
}

QString AssistView::bestFoundText(int32_t total) {
    //: Shown in the panel at the end of a standard game, on at most two lines: the best total that the game's own
    //: search found on the same deal; %1 is that total, e.g. "Best found 1,530".
    return tr("Best found %1").arg(groupedNumber(total));
}

void AssistView::hideBestFound() { bestFoundLabel_->hide(); }

}  // namespace qlx
