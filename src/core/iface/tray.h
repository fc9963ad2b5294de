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
    virtual void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon) = 0;
    virtual void hideBalloon() = 0;
};

} // namespace vrx
