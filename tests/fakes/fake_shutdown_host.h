#pragma once
// Records what the shutdown check and the countdown asked of the program.
#include <functional>
#include <string>
#include <vector>

#include "safety/shutdown_host.h"

namespace vrx::test {

class FakeShutdownHost : public ShutdownHost {
public:
    int shows = 0, updates = 0, closes = 0, exits = 0, saves = 0;
    bool visible = false;
    bool lastTopmost = false;
    std::vector<std::string> messages; // "title|text"
    std::vector<std::string> balloons; // "w:text" or "i:text"
    std::vector<std::string> errors;   // "procedure: description"
    // A window test connects the real window here.
    std::function<void(bool)> onShow;
    std::function<void()> onUpdate, onClose;

    void showCountdown(bool topmost) override {
        ++shows;
        visible = true;
        lastTopmost = topmost;
        if (onShow) onShow(topmost);
    }
    void updateCountdown() override {
        ++updates;
        if (onUpdate) onUpdate();
    }
    void closeCountdown() override {
        ++closes;
        visible = false;
        if (onClose) onClose();
    }
    void exitProgram() override { ++exits; }
    void saveSystemFile() override { ++saves; }
    void showMessage(const std::string& title, const std::string& text) override {
        messages.push_back(title + "|" + text);
    }
    void showBalloon(const std::string& text, BalloonIcon icon) override {
        balloons.push_back((icon == BalloonIcon::Warning ? "w:" : "i:") + text);
    }
    void logError(const std::string& procedure, const std::string& description) override {
        errors.push_back(procedure + ": " + description);
    }
};

} // namespace vrx::test
