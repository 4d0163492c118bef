// Test doubles of the system services: they record what was asked and answer
// at once. Each can run a hook while it is "open", to deliver events then.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "services.h"

namespace qlx::test {

class RecordingMessages final : public MessageBox {
public:
    void show(const std::string& text) override {
        shown.push_back(text);
        if (whileOpen) whileOpen(text);
    }
    std::vector<std::string> shown;
    std::function<void(const std::string&)> whileOpen;
};

class RecordingSound final : public Sound {
public:
    void play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

class RecordingPause final : public MovePause {
public:
    void pause(int milliseconds) override {
        pauses.push_back(milliseconds);
        if (during) during(milliseconds);
    }
    std::vector<int> pauses;
    std::function<void(int)> during;
};

class RecordingWeb final : public WebLink {
public:
    void open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

class RecordingHelp final : public HelpViewer {
public:
    void showContents(const std::string& path) override { shown.push_back(path); }
    std::vector<std::string> shown;
};

// A 96-dpi screen, 1600 x 1200 pixels unless a test gives it another size.
class FixedScreen final : public ScreenMetrics {
public:
    float twipsPerPixelX() const override { return 15.0f; }
    float twipsPerPixelY() const override { return 15.0f; }
    ScreenArea availableArea(int, int) const override { return area; }
    ScreenArea area{0, 0, 1600, 1200};
};

}  // namespace qlx::test
