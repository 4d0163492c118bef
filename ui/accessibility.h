// What the main window tells assistive technology (screen readers), through
// Qt's accessibility layer: the board as a table of cells named in words,
// whose focused cell is the cursor, and the statistics' numbers with what
// they count.
#pragma once

#include <QString>

#include "board.h"

class QLabel;

namespace qlx {

class BoardPicture;

// Installs, once, the factory that presents these to assistive technology.
void installAccessibility();

// A cell as a screen reader reads it: the kind of its tile in the words of
// the tile set, or "empty"; for a tile, the size of its group and the points
// clearing it would score, e.g. "blue checks, group of 3, 6 points", or
// "pink marble, no group".
QString cellName(const GameState& s, Cell cell);

// Tells assistive technology that the cursor has moved, or that the board
// under it has changed: the cursor cell takes the focus and is read anew.
void notifyCursorMoved(BoardPicture* board);

// A label that shows a number is read with what it counts, e.g. "Score 45",
// and read anew whenever its text is set (setLabel calls readCount).
void nameCount(QLabel* label, const QString& counts);
void readCount(QLabel* label);

}  // namespace qlx
