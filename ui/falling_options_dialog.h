// The falling-tile options: the period between two batches of tiles and the
// length of a falling game, each chosen as a position in a list.
#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace qlx {

class ScreenMetrics;

// Use: set speedIndex and timeIndex, exec(), then read okPressed and, when it
// is true, speedIndex and timeIndex. The three keep their values after the
// dialog has closed.
//
// Whatever is typed or stored, "Ok" hands back positions inside the lists
// (0..19), so no choice can give a period or a playing time the lists do not
// offer:
// - typed text that equals an item's text once blanks are trimmed selects that
//   item; any other text is dropped and the previous selection stays (the box
//   shows that item again as soon as the typing ends);
// - an index outside 0..19 handed in opens the dialog on the choice of a first
//   run (5 seconds, 3:30), as the stored settings themselves load.
class FallingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit FallingOptionsDialog(const ScreenMetrics& screen, QWidget* parent = nullptr);

    bool okPressed = false;  // true once "Ok" has been pressed
    int16_t speedIndex = 0;  // position in speedBox: (index + 2) seconds
    int16_t timeIndex = 0;   // position in timeBox: (index + 4) * 30 seconds

    // Fills both lists and selects speedIndex and timeIndex; runs when the dialog is shown.
    void fillLists();

    QComboBox* speedBox() const { return speedBox_; }
    QComboBox* timeBox() const { return timeBox_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    QComboBox* speedBox_;
    QComboBox* timeBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace qlx
