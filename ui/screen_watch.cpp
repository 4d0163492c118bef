#include "screen_watch.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace qlx {

ScreenWatch::ScreenWatch(QWidget* window, std::function<void()> changed)
    : QObject(window), window_(window), changed_(std::move(changed)) {
    window->installEventFilter(this);
}

// The window system's window exists from the first show on.
bool ScreenWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!started_ && watched == window_ && event->type() == QEvent::Show && window_->windowHandle()) {
        started_ = true;
        QWindow* handle = window_->windowHandle();
        connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
            watch(screen);
            changed_();
        });
        watch(handle->screen());
    }
    return QObject::eventFilter(watched, event);
}

void ScreenWatch::watch(QScreen* screen) {
    disconnect(area_);
    disconnect(scale_);
    if (!screen) return;
    area_ = connect(screen, &QScreen::availableGeometryChanged, this, [this] { changed_(); });
    scale_ = connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { changed_(); });
}

}  // namespace qlx
