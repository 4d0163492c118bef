#include "ui_look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QImageReader>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "accessibility.h"

namespace qlx {

namespace {
// Set on a widget whose children stand at mirrored places.
constexpr const char* kMirrored = "qlxMirrored";
}  // namespace

QFont uiFont(qreal points, bool bold, bool underline) {
    QFont f = QApplication::font();
    // The classic dialog face where the system has it, else a sans-serif of
    // the same widths, else the platform's own sans-serif.
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), f.family()});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void setBackground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

void setLabel(QLabel* label, const QString& text) {
    const bool centred = label->alignment() & Qt::AlignHCenter;
    const int centre = label->x() + label->width() / 2;
    const int right = label->x() + label->width();
    label->setText(text);
    readCount(label);
    label->adjustSize();
    // Right-to-left letters joined in a bold face are drawn a little wider
    // than they are measured: room for that, or their last one is cut.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.direction() == QChar::DirAL || c.direction() == QChar::DirR; })) {
        label->resize(label->width() + QFontMetrics(label->font()).averageCharWidth(), label->height());
    }
    if (centred) {
        label->move(centre - label->width() / 2, label->y());
    } else if (label->parentWidget() && label->parentWidget()->property(kMirrored).toBool()) {
        label->move(right - label->width(), label->y());
    }
}

void makeDialogWindow(QWidget* dialog, const QString& title, const TwipScale& tw, int innerWidth, int innerHeight) {
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(tw.x(innerWidth), tw.y(innerHeight));
    dialog->setFont(uiFont(8.25));
}

QLabel* designLabel(QWidget* parent, const char* name, const QString& text, const TwipScale& tw, int left, int top,
                    const QFont& font, bool centred) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    if (centred) l->setAlignment(Qt::AlignCenter);
    l->move(tw.x(left), tw.y(top));
    l->adjustSize();
    return l;
}

void keepLeftOf(QLabel* label, const QWidget* control) {
    constexpr int kGap = 4;
    const int left = control->x() - kGap - label->width();
    if (label->x() > left) label->move(std::max(0, left), label->y());
}

void makeRoomRightOf(const QLabel* label, std::initializer_list<QWidget*> line) {
    constexpr int kGap = 4;
    int leftmost = std::numeric_limits<int>::max();
    for (const QWidget* w : line) leftmost = std::min(leftmost, w->x());
    const int shift = label->x() + label->width() + kGap - leftmost;
    if (shift <= 0) return;
    for (QWidget* w : line) w->move(w->x() + shift, w->y());
}

void centreIfOutside(QWidget* window, QLabel* label, int margin) {
    if (label->x() >= 0 && label->x() + label->width() <= window->width()) return;
    if (label->width() + 2 * margin > window->width()) window->setFixedWidth(label->width() + 2 * margin);
    label->move((window->width() - label->width()) / 2, label->y());
}

void fitButtons(QWidget* window) {
    constexpr int kPadding = 12, kGap = 12;
    std::vector<QPushButton*> buttons;
    for (QPushButton* b : window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        const int needed = QFontMetrics(b->font()).horizontalAdvance(b->text()) + kPadding;
        if (needed > b->width()) b->setGeometry(b->x() - (needed - b->width()) / 2, b->y(), needed, b->height());
        buttons.push_back(b);
    }
    std::sort(buttons.begin(), buttons.end(), [](const QPushButton* a, const QPushButton* b) { return a->x() < b->x(); });
    std::vector<bool> done(buttons.size(), false);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (done[i]) continue;
        std::vector<QPushButton*> row;
        for (std::size_t j = i; j < buttons.size(); ++j) {
            const QPushButton* b = buttons[j];
            if (b->y() < buttons[i]->y() + buttons[i]->height() && buttons[i]->y() < b->y() + b->height()) {
                row.push_back(buttons[j]);
                done[j] = true;
            }
        }
        bool crowded = false;
        int total = -kGap;
        for (std::size_t k = 0; k < row.size(); ++k) {
            total += row[k]->width() + kGap;
            crowded = crowded || row[k]->x() < 0 || row[k]->geometry().right() >= window->width() ||
                      (k + 1 < row.size() && row[k]->geometry().right() + kGap / 2 > row[k + 1]->x());
        }
        if (!crowded) continue;
        if (total + 2 * kGap > window->width()) window->setFixedWidth(total + 2 * kGap);
        int x = (window->width() - total) / 2;
        for (QPushButton* b : row) {
            b->move(x, b->y());
            x += b->width() + kGap;
        }
    }
}

void mirrorChildren(QWidget* parent, int width) {
    parent->setProperty(kMirrored, true);
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow()) w->move(width - w->x() - w->width(), w->y());
    }
}

void mirrorIfRightToLeft(QWidget* window) {
    if (window->isRightToLeft()) mirrorChildren(window, window->width());
}

void widenToHold(QWidget* window, const QWidget* label, int margin) {
    const int width = label->x() + label->width() + std::min(margin, std::max(0, label->x()));
    if (width > window->width()) window->setFixedWidth(width);
}

QPushButton* designButton(QWidget* parent, const char* name, const QString& text, const TwipScale& tw, int left,
                          int top, int width, int height) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(tw.rect(left, top, width, height));
    return b;
}

namespace {
// Sees Esc and Enter once the focused control has passed them on to its dialog
// (a focused button presses itself on Enter).
class DialogKeys final : public QObject {
public:
    DialogKeys(QDialog* dialog, QAbstractButton* defaultButton, QAbstractButton* cancelButton)
        : QObject(dialog), default_(defaultButton), cancel_(cancelButton) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        QAbstractButton* button = nullptr;
        if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
            button = cancel_;
        } else if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
            button = default_;
        } else {
            return false;
        }
        if (button && button->isVisible() && button->isEnabled()) button->click();
        return true;
    }

private:
    QPointer<QAbstractButton> default_;
    QPointer<QAbstractButton> cancel_;
};
}  // namespace

void setDialogButtons(QDialog* dialog, QAbstractButton* defaultButton, QAbstractButton* cancelButton) {
    dialog->installEventFilter(new DialogKeys(dialog, defaultButton, cancelButton));
}

QPixmap vectorPicture(const QString& resource, QSize size, qreal devicePixelRatio) {
    // Through Qt SVG's image plugin, loaded when such a picture is first shown.
    QImageReader svg(resource, "svg");
    svg.setScaledSize(QSize(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                            static_cast<int>(std::lround(size.height() * devicePixelRatio))));
    QPixmap out = QPixmap::fromImage(svg.read());
    out.setDevicePixelRatio(devicePixelRatio);
    return out;
}

}  // namespace qlx
