// The operating-system services, done with Qt.
#pragma once

#include <QPointer>
#include <QString>
#include <map>
#include <memory>

#include "services.h"

class QSoundEffect;
class QWidget;

namespace qlx {

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

// Sounds are loaded on first use, after the window is up: the audio backend
// takes a moment to start and is not needed to show the first board.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void play(const std::string& path) override;

private:
    void playNow(const QString& path);
    std::map<QString, QSoundEffect*> effects_;
};

// Shows what has been painted, then blocks the user-interface thread: no
// input and no timer is handled until the pause is over.
class QtMovePause final : public MovePause {
public:
    void pause(int milliseconds) override;
};

class QtWebLink final : public WebLink {
public:
    void open(const std::string& url) override;
};

class QtScreenMetrics final : public ScreenMetrics {
public:
    float twipsPerPixelX() const override;
    float twipsPerPixelY() const override;
};

}  // namespace qlx
