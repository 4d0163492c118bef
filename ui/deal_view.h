// What the main window shows of deals that can be named and played again:
// "Undo All" and "Redo All" beside Undo and Redo, "Restart Deal" (F5),
// "Play Deal Number…" and "Show Best Found" in the Game menu, enabled as the
// game allows them; and "Known deal" at the foot of the statistics panel for
// a deal that was restarted or chosen by its number. It only shows: the game
// decides.
#pragma once

#include <QObject>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace qlx {

class GameFlow;

class DealView : public QObject {
    Q_OBJECT
public:
    explicit DealView(QObject* parent = nullptr) : QObject(parent) {}

    // "Undo All" and "Redo All" go before `before` (the item after Redo); the deal's commands at the menu's end.
    void addMenuItems(QMenu* gameMenu, QAction* before);
    // "Known deal" in the statistics panel, centred under the label `below`.
    void addLabel(QWidget* statsFrame, const QLabel& below);

    // The menu items and the mark as the game has them now.
    void show(const GameFlow& flow);

    QAction* undoAllAction() const { return undoAll_; }
    QAction* redoAllAction() const { return redoAll_; }
    QAction* restartAction() const { return restart_; }
    QAction* playDealAction() const { return playDeal_; }
    QAction* showBestAction() const { return showBest_; }
    QLabel* knownDealLabel() const { return knownDeal_; }

signals:
    void undoAllChosen();
    void redoAllChosen();
    void restartChosen();
    void playDealChosen();
    void showBestChosen();

private:
    QAction* undoAll_ = nullptr;
    QAction* redoAll_ = nullptr;
    QAction* restart_ = nullptr;
    QAction* playDeal_ = nullptr;
    QAction* showBest_ = nullptr;
    void fitLabel();
    QLabel* knownDeal_ = nullptr;
    bool fitted_ = false;
};

}  // namespace qlx
