// The board picture: a box that keeps its picture. Drawing goes into an
// off-screen image, clearing fills it with the background colour, and
// refreshing shows it. Mouse presses are reported in pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace qlx {

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
    // Shows the kept picture on the screen now.
    void refresh();

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

}  // namespace qlx
