#include "stats_frame.h"

#include <QPainter>

namespace qlx {

void StatsFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    // The caption's capitals start at the frame's top; the edge runs through their middle.
    const int baseline = 1 + fm.capHeight();
    const int top = baseline - fm.capHeight() / 2;
    // An etched edge: a dark line with a light one beside it.
    const QRect edge(0, top, width() - 2, height() - top - 2);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(edge);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(edge.translated(1, 1));
    // The caption interrupts the top edge.
    const int width = fm.horizontalAdvance(title());
    p.fillRect(QRect(5, 0, width + 4, baseline + fm.descent()), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QPoint(7, baseline), title());
}

}  // namespace qlx
