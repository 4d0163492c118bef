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

// Plays WAV files with Qt Multimedia. The player of a file is made when it
// is first played, from the event loop, so that neither the window's start
// nor the caller waits for the audio system. Without an audio device the
// game is silent.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void play(const std::string& path) override;

private:
    void playNow(const QString& file);
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
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
    ScreenArea availableArea(int x, int y) const override;
};

}  // namespace qlx
