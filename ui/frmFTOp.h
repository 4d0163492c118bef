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
class frmFTOp : public QDialog {
    Q_OBJECT
public:
    explicit frmFTOp(const ScreenMetrics& screen, QWidget* parent = nullptr);

    bool okPressed = false;  // true once "Ok" has been pressed
    int16_t speedIndex = 0;  // position in cmbSpeed: (index + 2) seconds
    int16_t timeIndex = 0;   // position in cmbTime: (index + 4) * 30 seconds

    // Fills both lists and selects speedIndex and timeIndex; runs when the dialog is shown.
    void Form_Load();

    QComboBox* cmbSpeed() const { return cmbSpeed_; }
    QComboBox* cmbTime() const { return cmbTime_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();

    QComboBox* cmbSpeed_;
    QComboBox* cmbTime_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace qlx
