// The operating-system services the game asks for, one small interface each.
// The program uses the Qt implementations (qt_services.h); tests use doubles
// that record what was asked and answer at once.
#pragma once

#include <string>

namespace qlx {

// A message box with an OK button only, no icon, the program's title as its
// caption and the text exactly as given. Returns when the player closes it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
};

// Plays a WAV file without waiting. A missing file or a missing audio device
// is silent; never blocks.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const std::string& path) = 0;
};

// The pause inside a move: shows what has been drawn and waits, handling no
// input and no timer meanwhile.
class MovePause {
public:
    virtual ~MovePause() = default;
    virtual void pause(int milliseconds) = 0;
};

// Opens the help file at its contents. A missing file changes nothing in the game.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContents(const std::string& path) = 0;
};

// Opens an address in the desktop's default browser; a failure shows nothing.
class WebLink {
public:
    virtual ~WebLink() = default;
    virtual void open(const std::string& url) = 0;
};

// A rectangle of the desktop in device-independent pixels.
struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Twips (1/1440 inch) per device-independent pixel; 15 on a 96-dpi screen.
// And the room a window has: the part of the screen holding a point that
// windows may cover (the screen less the desktop's panels).
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual float twipsPerPixelX() const = 0;
    virtual float twipsPerPixelY() const = 0;
    virtual ScreenArea availableArea(int x, int y) const = 0;
};

}  // namespace qlx
