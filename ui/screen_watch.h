// Tells a window when the screen under it changes: the window moved to
// another screen, or its screen changed its usable area or its scale.
#pragma once

#include <QObject>
#include <functional>

class QScreen;
class QWidget;

namespace qlx {

class ScreenWatch final : public QObject {
    Q_OBJECT
public:
    // Calls changed() on each such change once the window has first been
    // shown; the watch lives as long as the window.
    ScreenWatch(QWidget* window, std::function<void()> changed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QScreen* screen);

    QWidget* window_;
    std::function<void()> changed_;
    bool started_ = false;
    QMetaObject::Connection area_;
    QMetaObject::Connection scale_;
};

}  // namespace qlx
