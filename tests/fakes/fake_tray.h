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
    struct Balloon {
        std::string text, title;
        BalloonIcon icon;
    };
    std::vector<Balloon> balloons;
    void add() override {
        present = true;
        ++adds;
    }
    void remove() override {
        present = false;
        ++removes;
    }
    void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon) override {
        balloons.push_back({text, title, icon});
    }
    void hideBalloon() override {}
};

class FakeAutoStarter : public AutoStarter {
public:
    int installs = 0;
    int uninstalls = 0;
    void install() override { ++installs; }
    void uninstall() override { ++uninstalls; }
};

} // namespace vrx::test
