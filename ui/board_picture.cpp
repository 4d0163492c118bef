#include "board_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace qlx {

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoMousePropagation);
}

void BoardPicture::setPictureSize(int width, int height) {
    setFixedSize(width, height);
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(static_cast<int>(std::lround(width * ratio)), static_cast<int>(std::lround(height * ratio)),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    clear();
}

void BoardPicture::clear() { image_.fill(backgroundColor()); }

void BoardPicture::refresh() { repaint(); }

void BoardPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPointF(0, 0), image_);
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit mouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

}  // namespace qlx
