#include "app/main_outputs_host.h"

#include "diag/messages.h"

namespace vrx {

void MainOutputsHost::showBalloon(const std::string& text, BalloonIcon icon) {
    const int ms = m_balloons.gTrayBalloonTip(text, kGeneralTitle, icon, true);
    if (ms > 0 && scheduleBalloonExpiry) scheduleBalloonExpiry(ms);
}

} // namespace vrx
