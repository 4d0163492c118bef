// The look shared by the program's windows: fonts, colours, and design
// positions given in twips.
#pragma once

#include <initializer_list>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <cmath>

#include "services.h"

class QAbstractButton;
class QDialog;
class QPushButton;
class QWidget;

namespace qlx {

inline const QColor kWindowBackground(192, 192, 255);
inline const QColor kBestScoreBackground(192, 192, 0);
inline const QColor kCaptionBlue(0, 0, 255);

// The platform's sans-serif at a point size.
QFont uiFont(qreal points, bool bold = false, bool underline = false);

void setBackground(QWidget* w, const QColor& color);
void setTextColor(QWidget* w, const QColor& color);

// Labels size themselves to their text. A centred label keeps its centre
// where its design text had it; any other keeps its left edge (its right
// edge once its parent's controls are mirrored, see mirrorChildren).
void setLabel(QLabel* label, const QString& text);

// Converts design twips into pixels of this screen.
class TwipScale {
public:
    explicit TwipScale(const ScreenMetrics& m) : tppX_(m.twipsPerPixelX()), tppY_(m.twipsPerPixelY()) {}
    int x(int twips) const { return static_cast<int>(std::lround(twips / tppX_)); }
    int y(int twips) const { return static_cast<int>(std::lround(twips / tppY_)); }
    QRect rect(int left, int top, int width, int height) const { return {x(left), y(top), x(width), y(height)}; }

private:
    float tppX_, tppY_;
};

// Dialog windows: a caption and a close box, no minimise or maximise box.
void makeDialogWindow(QWidget* dialog, const QString& title, const TwipScale& tw, int innerWidth, int innerHeight);

// A label at its design place, sized to its text.
QLabel* designLabel(QWidget* parent, const char* name, const QString& text, const TwipScale& tw, int left, int top,
                    const QFont& font, bool centred = false);

// Labels that this system's font makes longer than their design places:
// a label left of a control starts further left rather than run under it, and
// a window grows to the right rather than cut a label off, keeping as much
// room right of the label as it has left of it (at most `margin`).
void keepLeftOf(QLabel* label, const QWidget* control);
void widenToHold(QWidget* window, const QWidget* label, int margin = 8);
// A label too long to stand left of the controls of its line even from the
// window's left edge moves them right, as far as it needs (a longer language).
void makeRoomRightOf(const QLabel* label, std::initializer_list<QWidget*> line);
// A centred label that stands out of its window on either side is centred
// in it, the window growing if need be.
void centreIfOutside(QWidget* window, QLabel* label, int margin = 8);

// A button at its design place and size.
QPushButton* designButton(QWidget* parent, const char* name, const QString& text, const TwipScale& tw, int left,
                          int top, int width, int height);

// Buttons too narrow for their text (a longer language, a wider font) grow
// about their centres; buttons of one row that then overlap, or stand out of
// the window, are set side by side in its middle, the window growing if need
// be. Buttons whose texts fit keep their design places.
void fitButtons(QWidget* window);

// In a window laid out from right to left (a right-to-left language), the
// controls placed at design places are mirrored: each child of parent moves
// to the place that mirrors its own within width.
void mirrorChildren(QWidget* parent, int width);
void mirrorIfRightToLeft(QWidget* window);

// The keys of a dialog. Esc presses its cancel button; in a dialog without one
// (nullptr) it does nothing, where a plain QDialog would close. Enter presses
// the focused button, else the default button; without one it does nothing,
// where a plain QDialog would press a button of its own choosing.
void setDialogButtons(QDialog* dialog, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

// A picture from a vector resource, stretched to a size in device-independent
// pixels and drawn at the given device pixel ratio, so that it stays crisp.
QPixmap vectorPicture(const QString& resource, QSize size, qreal devicePixelRatio);

}  // namespace qlx
