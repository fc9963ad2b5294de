#include "shell/balloon_tip.h"

namespace vrx {

int BalloonTip::gTrayBalloonTip(const std::string& text, const std::string& title, BalloonIcon icon, bool isShort) {
    if (m_showing) return 0;
    const int displayMs = isShort ? 1000 : 5000;
    m_tray.showBalloon(text, title, icon, displayMs);
    m_showing = true;
    return displayMs;
}

void BalloonTip::expire() {
    if (!m_showing) return;
    m_tray.hideBalloon();
    m_showing = false;
}

} // namespace vrx
