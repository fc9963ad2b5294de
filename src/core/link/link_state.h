#pragma once
// The run-time state of the controller link.
#include <array>
#include <cstdint>
#include <utility>

namespace vrx {

struct LinkState {
    using Pair = std::pair<std::int16_t, std::int16_t>; // (byte 29, byte 30)

    std::int16_t PreviousComPort = 0;         // port probed first at start-up
    std::array<std::int16_t, 256> PortList{}; // [0] = count, [1..] = port numbers ascending
    std::int16_t ScanAttempts = 0;
    std::int16_t MissedPolls = 0;
    std::array<std::int16_t, 38> PrevControl{}; // ControlBytes(0..37) seen at the previous poll
    Pair PumpOld{0, 0};
    Pair PumpNew{0, 0};
    bool PumpHoldActive = false;
    std::int16_t PumpHoldTicks = 0;
    std::int16_t IdleTicks = 0;
    std::int16_t BeeperPhase = 2;
    bool BeeperOn = false;
    std::int16_t ReportToggle = 0;
    bool ReportDue = true;
    bool VersionLabelFilled = false;
    bool FrameSinceLinkOff = false; // a status frame was accepted since the label was cleared

    // ResetLinkState: the values the link starts from when the main window loads.
    void reset() {
        const std::int16_t previous = PreviousComPort;
        const auto ports = PortList;
        *this = LinkState{};
        PreviousComPort = previous;
        PortList = ports;
    }
};

} // namespace vrx
