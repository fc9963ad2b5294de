#pragma once
// The temperatures of every channel as one text, shown when the mouse rests on the tray icon.
#include <optional>
#include <string>

#include "app/status_display.h"
#include "iface/tray.h"
#include "settings/settings_record.h"

namespace vrx {

// One line per channel the controller type shows: "1.Ch 1  35.2 C"; lines joined by CR LF.
std::string mPopupData(const Settings& settings, const StatusDisplay& display);

// The icon's tool tip: "" when HoverPopupOff is not 0; "COMM PORT OFF" while the port status
// reads longer than 10 characters (scanning); otherwise the hover text.
std::string hoverToolTip(const Settings& settings, const std::string& portStatus, const StatusDisplay& display);

// Keeps the icon's tool tip current; the tray is told only when the text changed.
class HoverToolTip {
public:
    explicit HoverToolTip(Tray& tray) : m_tray(tray) {}
    void refresh(const Settings& settings, const std::string& portStatus, const StatusDisplay& display);

private:
    Tray& m_tray;
    std::optional<std::string> m_shown;
};

} // namespace vrx
