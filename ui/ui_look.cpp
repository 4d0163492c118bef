#include "ui_look.h"

#include <QApplication>
#include <QDialog>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "accessibility.h"

namespace qlx {

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
    label->setText(text);
    readCount(label);
    label->adjustSize();
    if (centred) label->move(centre - label->width() / 2, label->y());
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

QPushButton* designButton(QWidget* parent, const char* name, const QString& text, const TwipScale& tw, int left,
                          int top, int width, int height) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(tw.rect(left, top, width, height));
    return b;
}

}  // namespace qlx
