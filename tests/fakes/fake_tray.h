#pragma once
#include <string>
#include <vector>

#include "iface/autostart.h"
#include "iface/tray.h"

namespace vrx::test {

class FakeTray : public Tray {
public:
    bool present = false;
    int adds = 0;
    int removes = 0;
    bool hasArea = true;
    struct Balloon {
        std::string text, title;
        BalloonIcon icon;
        int displayMs;
    };
    std::vector<Balloon> balloons;
    int hides = 0;
    std::vector<std::string> toolTips; // every change, in order
    void add() override {
        present = true;
        ++adds;
    }
    void remove() override {
        present = false;
        ++removes;
    }
    void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon, int displayMs) override {
        balloons.push_back({text, title, icon, displayMs});
    }
    void hideBalloon() override { ++hides; }
    void setToolTip(const std::string& text) override { toolTips.push_back(text); }
    bool available() const override { return hasArea; }
};

class FakeAutoStarter : public AutoStarter {
public:
    int installs = 0;
    int uninstalls = 0;
    void install() override { ++installs; }
    void uninstall() override { ++uninstalls; }
};

} // namespace vrx::test
