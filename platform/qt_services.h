// The operating-system services, done with Qt.
#pragma once

#include <QPointer>
#include <QString>
#include <map>
#include <memory>

#include "services.h"

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

// Plays WAV files without waiting. Each file has a player thread of its own,
// started at its first sound: a file played again starts from its beginning,
// and two files sound together. With the sound module (sound_module.h) the
// first sound loads the module on that thread, so neither the window's start
// nor the game loads or waits for anything of the audio system; without it,
// Qt Multimedia plays them. Without an audio device the game is silent.
class QtSound final : public Sound {
public:
    // The module is looked for in moduleFolder; by default the program's folder.
    explicit QtSound(QString moduleFolder = {});
    // Stops every sound and waits for its thread (a few milliseconds).
    ~QtSound() override;
    void play(const std::string& path) override;

private:
    struct Player;
    QString moduleFolder_;
    std::map<QString, std::unique_ptr<Player>> players_;
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
