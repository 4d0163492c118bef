#include "captions.h"

#include <QCoreApplication>

#include "language.h"

namespace qlx {

std::string storeFailedMessage() {
    //: A message box shown when the options and scores cannot be read or saved. The English text's misspelling
    //: and its leading blank are deliberate; translate it by its meaning ("Error: failed").
    return QCoreApplication::translate("qlx::Captions", " Error Failerd").toStdString();
}

std::string gameOverMessage() {
    //: A message box at the end of a falling game whose new tiles found no room. The blanks around the English
    //: text are deliberate; translate it by its meaning.
    return QCoreApplication::translate("qlx::Captions", " Game Over ").toStdString();
}

std::string timeOutMessage() {
    //: A message box when the time of a falling game has run out. The blanks around the English text are
    //: deliberate; translate it by its meaning.
    return QCoreApplication::translate("qlx::Captions", " Time Out - Game Over ").toStdString();
}

QString modeTitle(int16_t gameMode) {
    if (gameMode == kStandardGame) {
        //: The title of the best-score dialogs in a standard game. "Blokkar" is a name: keep it as it is.
        return QCoreApplication::translate("qlx::Captions", "Blokkar - Standard Game");
    }
    //: The title of the best-score dialogs in a falling game. "Blokkar" is a name: keep it as it is.
    return QCoreApplication::translate("qlx::Captions", "Blokkar - Falling Tiles Game");
}

QString scoresTitle(const Configuration& config) {
    const GridSize grid = gridSize(config.gridSizeIndex);
    //: The scores dialog's title, on two lines: %1 is the first line (the game's mode), then the grid's columns
    //: (%2) and rows (%3) and how many kinds of tiles the game is played with (%4). The blanks are deliberate in
    //: English; keep the line break.
    return QCoreApplication::translate("qlx::Captions", "%1\r\nSize (%2 x %3)   Tiles (%4)")
        .arg(modeTitle(config.gameMode), localDigits(grid.cols), localDigits(grid.rows), localDigits(config.numColors));
}

QString gameCaption(const GameState& s) {
    QString caption;
    if (s.options.gameMode == kFallingTiles) {
        //: The main window's title in a falling game: %1 is the program's name, %2 the rows, %3 the columns (rows
        //: first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after
        //: the dash) are deliberate; translate it by its meaning.
        caption = QCoreApplication::translate("qlx::Captions", "%1 -  Falling Tiles (%2x%3) %4 Tiles");
    } else {
        //: The main window's title in a standard game: %1 is the program's name, %2 the rows, %3 the columns (rows
        //: first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after
        //: the dash, none before the bracket) are deliberate; translate it by its meaning.
        caption = QCoreApplication::translate("qlx::Captions", "%1 -  Standard Game(%2x%3) %4 Tiles");
    }
    return caption.arg(QString::fromLatin1(kAppTitle), localDigits(s.numRows), localDigits(s.numCols),
                       localDigits(s.options.numColors));
}

}  // namespace qlx
