// The program's style: the desktop's own, except that the pictures of buttons
// the first window never shows are asked for only when one is drawn.
#pragma once

#include <QProxyStyle>

namespace qlx {

class GameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    // The menu bar's extension button (shown only where its menus do not fit)
    // gets an icon that the style makes at its first use: made at once, it
    // has Qt load every image-format plugin on the system at the start
    // (about 2 ms, and the JPEG library).
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace qlx
