#pragma once
// Everything the link engine needs from the rest of the program. The main window implements it.
#include <array>
#include <cstdint>
#include <string>

#include "iface/tray.h"
#include "link/controller_state.h"

namespace vrx {

using RawStatusFrame = std::array<std::uint8_t, kStatusFrameSize>;

// The main window's timers the link switches on and off.
enum class LinkTimer { Scan, Com, View, Graph, ShutDown };
inline constexpr std::size_t kLinkTimerCount = 5;

// The texts of one link state ("SCAN", "OFF", "ON") on the main window and the options dialog.
struct LinkStateView {
    std::string state;            // "SCAN", "OFF" or "ON"
    std::string statusLabel;      // main window status label
    std::string optionsPortLabel; // options dialog port label
    std::string scanCaption;      // options dialog scan button
    int portBox = -1;             // port to show in the options dialog's port box; -1 leaves it alone
};

class LinkHost {
public:
    virtual ~LinkHost() = default;
    // Writes one line to the error log (when the error log is switched on).
    virtual void logError(const std::string& name, int number, const std::string& description) = 0;
    virtual void saveSystemFile() = 0;
    // The controller reported another type: re-arrange the main window (mPcbForm).
    virtual void rearrangeLayout() = 0;
    virtual void setTimerEnabled(LinkTimer timer, bool enabled) = 0;
    virtual void showLinkState(const LinkStateView& view) = 0;
    virtual void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon,
                             int seconds) = 0;
    // A status frame passed its checks and StatusBytes hold it: build the reading texts.
    virtual void statusFrameAccepted(const RawStatusFrame& raw) = 0;
    // Publish the shared report of the raw frame; `sequenceDigit` alternates 1, 0, 1, ...
    virtual void publishReport(const RawStatusFrame& raw, int sequenceDigit) = 0;
    // Clear the readings display (mDisplayOff).
    virtual void displayOff() = 0;
    virtual void setVersionLabel(const std::string& text) = 0;
};

} // namespace vrx
