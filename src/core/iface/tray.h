#pragma once
#include <string>

namespace vrx {

enum class BalloonIcon { Information = 1, Warning = 2 };

// The notification-area icon.
class Tray {
public:
    virtual ~Tray() = default;
    virtual void add() = 0;
    virtual void remove() = 0;
    // displayMs: how long the balloon is meant to stay; desktops that time messages themselves
    // would otherwise keep it up indefinitely.
    virtual void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon, int displayMs) = 0;
    virtual void hideBalloon() = 0;
    // "" removes the tool tip.
    virtual void setToolTip(const std::string& text) = 0;
    // Whether the desktop has a notification area to show the icon in.
    virtual bool available() const { return true; }
};

} // namespace vrx
