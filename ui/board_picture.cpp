#include "board_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "accessibility.h"

namespace qlx {

namespace {

// The outline and the cursor are drawn in two tones, so that they stand out
// on light and on dark tiles alike: dark edges around a light band.
const QColor kOutlineDark(0, 0, 0);
const QColor kOutlineLight(255, 255, 255);
const QColor kCursorLight(255, 214, 0);

// The part of a region at least k pixels inside it. The region is made of
// whole cells of at least 16 pixels and k is small, so a point lies that deep
// inside exactly when the four corners of the square of half-side k around
// it lie in the region.
QRegion inset(const QRegion& r, int k) {
    return r.translated(k, k) & r.translated(-k, k) & r.translated(k, -k) & r.translated(-k, -k);
}

// Bands along the inside edge of a region: a dark edge, a light band, a dark
// line. Whole pixels, so crisp at any whole scale.
void bands(const QRegion& r, int edge, int band, QRegion& dark, QRegion& light) {
    const QRegion in1 = inset(r, edge);
    const QRegion in2 = inset(in1, band);
    dark = (r - in1) + (in2 - inset(in2, 1));
    light = in1 - in2;
}

void fill(QPainter& p, const QRegion& region, const QColor& color) {
    for (const QRect& rect : region) p.fillRect(rect, color);
}

}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::StrongFocus);  // so that keyboard play, and a screen reader's focus, land here
    installAccessibility();
}

void BoardPicture::setPictureSize(int width, int height) {
    setFixedSize(width, height);
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(static_cast<int>(std::lround(width * ratio)), static_cast<int>(std::lround(height * ratio)),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    clear();
    markCursorGroup();
}

void BoardPicture::clear() { image_.fill(backgroundColor()); }

void BoardPicture::refresh() {
    markCursorGroup();
    repaint();
}

void BoardPicture::setCursor(std::optional<Cell> cell, bool tell) {
    cursor_ = cell;
    markCursorGroup();
    update();
    if (tell) notifyCursorMoved(this);
}

// The outline follows the board: it is found again whenever the cursor moves
// or the board has been drawn anew.
void BoardPicture::markCursorGroup() {
    const GameState* g = game();
    group_ = cursor_ && g ? groupAt(*g, *cursor_) : GroupView{};
    outline_[0] = outline_[1] = QRegion();
    if (group_.points == 0) return;
    const int ts = tileSize(*g);
    QRegion area;
    for (const Cell& c : group_.cells) area += squareOf(*g, c);
    bands(area, ts >= 32 ? 2 : 1, ts >= 32 ? 3 : 2, outline_[0], outline_[1]);
}

void BoardPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPointF(0, 0), image_);
    if (cursor_ && game()) paintCursor(p);
}

// Over the kept picture: the group's outline, the cursor as a ring inside its
// cell, and the group's points on a label beside the cursor (above it, or
// below it on the top row).
void BoardPicture::paintCursor(QPainter& p) const {
    fill(p, outline_[0], kOutlineDark);
    fill(p, outline_[1], kOutlineLight);
    const QRect cell = squareOf(*game(), *cursor_);
    const int ts = cell.width();
    // The ring: black, white, black, at least 4 pixels wide, so that it shows on
    // every picture, the yellow and cream ones too, at every tile size.
    QRegion dark, light;
    const int gap = ts / 24, edge = std::max(1, ts / 24), band = std::max(2, ts / 16);
    bands(QRegion(cell.adjusted(gap, gap, -gap, -gap)), edge, band, dark, light);
    fill(p, dark, kOutlineDark);
    fill(p, light, kOutlineLight);
    if (group_.points == 0) return;

    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(11, ts * 3 / 8));
    p.setFont(font);
    const QString text = QString::number(group_.points);
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    QRect label(QPoint(cell.center().x() + 1 - size.width() / 2, cell.top() - size.height()), size);
    if (label.top() < 0) label.moveTop(cell.bottom() + 1);
    label.moveLeft(std::clamp(label.left(), 0, std::max(0, width() - label.width())));
    p.fillRect(label, kOutlineDark);
    p.fillRect(label.adjusted(1, 1, -1, -1), kCursorLight);
    p.setPen(kOutlineDark);
    p.drawText(label, Qt::AlignCenter, text);
}

// Shown again after a pause, the board takes back the keyboard focus that
// the hidden "Resume Game" button held, so that keys and a screen reader's
// focus land on it.
void BoardPicture::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const QWidget* focus = window()->focusWidget();
    if (!focus || !focus->isVisible()) setFocus();
}

// Qt tells assistive technology that the board, a table, has the focus only
// after this event; the cursor cell is told afterwards, so that a screen
// reader lands on the cell (after a dialog, a pause, a new game).
void BoardPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(this, [this] { notifyCursorMoved(this); }, Qt::QueuedConnection);
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit mouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

}  // namespace qlx
