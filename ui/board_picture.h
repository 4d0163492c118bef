// The board picture: a box that keeps its picture. Drawing goes into an
// off-screen image, clearing fills it with the background colour, and
// refreshing shows it. Mouse presses are reported in pixels.
//
// Over the kept picture, and never into it, the paint draws the cell cursor of
// keyboard play with the outline of the group under it and that group's
// points. To assistive technology the board is a table of cells (see
// accessibility.h); the cursor cell is its focused cell.
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <optional>

#include "cursor.h"
#include "game_flow.h"

namespace qlx {

// A cell's square in the board picture.
inline QRect squareOf(const GameState& s, Cell cell) {
    const CellRect r = cellRect(s, cell);
    return {r.x, r.y, r.size, r.size};
}

class BoardPicture : public QWidget {
    Q_OBJECT
public:
    explicit BoardPicture(QWidget* parent = nullptr);

    static QColor backgroundColor() { return QColor(128, 128, 255); }

    // Sets the picture's size in pixels; the kept picture starts cleared.
    void setPictureSize(int width, int height);
    void clear();
    // The kept picture, at the screen's pixel density, for drawing into.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // Shows the kept picture on the screen now, with the cursor over it.
    void refresh();

    // The game whose board the picture shows: the cursor's cells and the
    // names of the cells that assistive technology reads are taken from it.
    void setFlow(const GameFlow* flow) { flow_ = flow; }
    const GameState* game() const { return flow_ ? &flow_->state() : nullptr; }
    const GameFlow* flow() const { return flow_; }

    // The cell cursor as shown: on a cell, or hidden (nothing). Showing it
    // outlines the group under it, repaints, and tells assistive technology
    // (unless tell is false: a move says where the cursor is in its own words).
    // The game moves the cursor; the window shows it here once a move's
    // pictures are over.
    const std::optional<Cell>& cursor() const { return cursor_; }
    void setCursor(std::optional<Cell> cell, bool tell = true);

    // A finished game's board stays in view, frozen: the game takes no
    // presses, and the board keeps the keyboard focus so that a screen reader
    // can still read it.
    bool isFrozen() const { return flow_ && flow_->over(); }
    // The group under the cursor as outlined: none while the cursor is hidden.
    const GroupView& cursorGroup() const { return group_; }

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void markCursorGroup();
    void paintCursor(QPainter& p) const;

    QImage image_;
    const GameFlow* flow_ = nullptr;
    std::optional<Cell> cursor_;
    GroupView group_;
    QRegion outline_[2];  // the outline's dark and light bands
};

}  // namespace qlx
