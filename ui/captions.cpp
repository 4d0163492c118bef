#include "captions.h"

namespace qlx {

QString modeTitle(int16_t gameMode) {
    return gameMode == kStandardGame ? QStringLiteral("Blokkar - Standard Game")
                                     : QStringLiteral("Blokkar - Falling Tiles Game");
}

QString scoresTitle(const Configuration& config) {
    const GridSize grid = gridSize(config.gridSizeIndex);
    return QStringLiteral("%1\r\nSize (%2 x %3)   Tiles (%4)")
        .arg(modeTitle(config.gameMode))
        .arg(grid.cols)
        .arg(grid.rows)
        .arg(config.numColors);
}

QString gameCaption(const GameState& s) {
    const QString mode = s.options.gameMode == kFallingTiles ? QStringLiteral(" Falling Tiles ")
                                                             : QStringLiteral(" Standard Game");
    return QStringLiteral("%1 - %2(%3x%4) %5 Tiles")
        .arg(QString::fromLatin1(kAppTitle), mode)
        .arg(s.numRows)
        .arg(s.numCols)
        .arg(s.options.numColors);
}

}  // namespace qlx
