// What the main window shows of the help a game offers: "Undo", "Redo" and
// "Hint" in the Game menu, enabled as the game allows them; "Best found"
// under the score once a Standard game has ended and its search has
// answered; and "Assisted" at the foot of the statistics panel for a game in
// which Undo or Hint was used. It only shows: the game decides.
#pragma once

#include <QObject>
#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace qlx {

class GameFlow;
class TwipScale;

class AssistView : public QObject {
    Q_OBJECT
public:
    explicit AssistView(QObject* parent = nullptr) : QObject(parent) {}

    // Puts "Best found" under the score and "Assisted" at the foot of the statistics panel.
    void addLabels(QWidget* statsFrame, const TwipScale& tw);
    // Adds "Undo", "Redo" and "Hint" to the Game menu; their commands go to the receiver's slots.
    void addMenuItems(QMenu* gameMenu);

    // The menu items and the assisted mark as the game has them now.
    void show(const GameFlow& flow);
    // "Best found" with a total; hidden for none.
    void showBestFound(int32_t total);
    // "Best found 1,530", in the language in use.
    static QString bestFoundText(int32_t total);
    void hideBestFound();

    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }
    QAction* hintAction() const { return hintAction_; }
    QLabel* bestFoundLabel() const { return bestFoundLabel_; }
    QLabel* assistedLabel() const { return assistedLabel_; }

signals:
    void undoChosen();
    void redoChosen();
    void hintChosen();

private:
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* hintAction_ = nullptr;
    QLabel* bestFoundLabel_ = nullptr;
    QLabel* assistedLabel_ = nullptr;
};

}  // namespace qlx
