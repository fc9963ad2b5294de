#include "shell/hover_text.h"

namespace vrx {

std::string mPopupData(const Settings& settings, const StatusDisplay& display) {
    std::string text;
    // The rows the display shows: a stored BoardType outside 1..2 can then never reach past the
    // ten channels.
    for (int i = 0; i < display.temperatureRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i > 0) text += "\r\n";
        text += std::to_string(i + 1) + "." + settings.temp.TempName.at(k) + "  " + display.temps.at(k).text;
    }
    return text;
}

std::string hoverToolTip(const Settings& settings, const std::string& portStatus, const StatusDisplay& display) {
    if (settings.sys.HoverPopupOff != 0) return "";
    if (portStatus.size() > 10) return "COMM PORT OFF";
    return mPopupData(settings, display);
}

void HoverToolTip::refresh(const Settings& settings, const std::string& portStatus, const StatusDisplay& display) {
    std::string text = hoverToolTip(settings, portStatus, display);
    if (m_shown == text) return;
    m_tray.setToolTip(text);
    m_shown = std::move(text);
}

} // namespace vrx
