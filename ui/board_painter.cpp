#include "board_painter.h"

#include <QPaintDevice>

namespace qlx {

void drawBoard(QPainter& painter, const GameState& s, const Cells& cells, const ImageList& list) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int size = list.pictureSize();
    for (int16_t i = 0; i < s.numCells; ++i) {
        if (!isTile(cells[i])) continue;
        const CellRect at = cellRect(s, cellOf(s, i));
        const QImage& picture = list.picture(s.options.tileSet * kPicturesPerSet + cells[i], ratio);
        if (!picture.isNull()) painter.drawImage(QRectF(at.x, at.y, size, size), picture);
    }
}

void drawPoints(QPainter& painter, const GameState& s, Cell cell, int32_t points) {
    const CellRect at = cellRect(s, cell);
    const QRect square(at.x, at.y, at.size, at.size);
    painter.save();
    painter.setClipRect(square);
    painter.drawText(square, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, QString::number(points));
    painter.restore();
}

}  // namespace qlx
