#pragma once
#include <string>

#include "iface/tray.h"

namespace vrx {

// One balloon at a time: a request while one is up is dropped, not queued.
class BalloonTip {
public:
    explicit BalloonTip(Tray& tray) : m_tray(tray) {}
    // Returns the milliseconds until expire() is due, or 0 when the request was dropped.
    int gTrayBalloonTip(const std::string& text, const std::string& title, BalloonIcon icon, bool isShort);
    void expire();
    bool showing() const { return m_showing; }

private:
    Tray& m_tray;
    bool m_showing = false;
};

} // namespace vrx
