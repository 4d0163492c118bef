#include "modUI.h"

#include <QPaintDevice>

namespace qlx {

void drawBoard(QPainter& painter, const GameState& s, const ImageList& list) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int size = list.pictureSize();
    for (int16_t i = 0; i < s.numCells; ++i) {
        const int16_t code = s.board[i];
        if (code < 0 || code > 9) continue;
        const int x = (cellCol(s, i) - 1) * s.tileSize;
        const int y = (cellRow(s, i) - 1) * s.tileSize;
        const QImage& picture = list.picture(s.tileSet * 9 + code, ratio);
        if (!picture.isNull()) painter.drawImage(QRectF(x, y, size, size), picture);
    }
}

void drawPoints(QPainter& painter, int16_t tileSize, int16_t c, int16_t r, int32_t points) {
    const QRect square(c * tileSize, r * tileSize, tileSize, tileSize);
    painter.save();
    painter.setClipRect(square);
    painter.drawText(square, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, QString::number(points));
    painter.restore();
}

}  // namespace qlx
