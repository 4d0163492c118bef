#include "game_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace qlx {

namespace {

// An icon that asks the style for itself when it is first drawn or measured.
class LaterIcon final : public QIconEngine {
public:
    LaterIcon(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("qlx.later"); }
    QIconEngine* clone() const override { return new LaterIcon(*this); }

private:
    const QIcon& icon() {
        if (!made_) {
            made_ = true;
            if (style_) icon_ = style_->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    bool made_ = false;
    QIcon icon_;
};

}  // namespace

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new LaterIcon(baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace qlx
