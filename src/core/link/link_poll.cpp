// The once-a-second exchange with a linked controller.
#include <algorithm>
#include <exception>

#include "link/link_engine.h"
#include "link/link_error.h"

namespace vrx {

void LinkEngine::TimerCom_Timer() {
    const int port = comPort();
    try {
        pollOnce();
        return;
    } catch (const LinkError& e) {
        logError(pollErrorName(m_clock.now(), port), e.number(), e.what());
    } catch (const std::exception& e) {
        logError(pollErrorName(m_clock.now(), port), kErrPortIo, e.what());
    }
    LinkOff();
}

void LinkEngine::pollOnce() {
    if (comPort() == 0) {
        LinkOff();
        return;
    }

    if (m_port.bytesWaiting() < static_cast<int>(kStatusFrameSize)) {
        m_state.MissedPolls += 1;
        if (m_state.MissedPolls >= kMissedPollLimit) {
            // Nothing more to say to a controller that is gone; writing to the dead line would
            // only fail and report the loss twice.
            LinkOff();
            return;
        }
    } else {
        const Bytes data = m_port.readAll();
        if (hasStatusHeader(data)) {
            RawStatusFrame raw{};
            std::copy_n(data.begin(), kStatusFrameSize, raw.begin());
            if (decodeStatusFrame(raw, m_settings.temp.TempOffset, m_controller.StatusBytes) ==
                FrameCheck::Accepted) {
                m_state.FrameSinceLinkOff = true;
                m_host.statusFrameAccepted(raw);
                if (m_state.ReportDue) {
                    m_state.ReportToggle = m_state.ReportToggle == 0 ? 1 : 0;
                    m_host.publishReport(raw, m_state.ReportToggle);
                }
            }
            m_port.discardInput();
            m_state.MissedPolls = 0;
        }
    }

    ControlFrame frame = controlFrameBytes(m_controller.ControlBytes);
    auto& prev = m_state.PrevControl;

    // A pump change goes out at once; later ones wait for the pacing window, the latest winning.
    const std::size_t p1 = ct::PumpPower, p2 = ct::PumpPower + 1;
    if (frame[p1] != prev[p1] || frame[p2] != prev[p2]) {
        const LinkState::Pair now{frame[p1], frame[p2]};
        if (m_state.PumpHoldActive) {
            m_state.PumpNew = now;
        } else {
            m_state.PumpOld = m_state.PumpNew = now;
            m_state.PumpHoldActive = true;
        }
    }

    bool changed = false;
    for (std::size_t i = 0; i < prev.size(); ++i) {
        if (frame[i] != prev[i]) changed = true;
        prev[i] = m_controller.ControlBytes[i];
    }
    paceAndSend(frame, changed);
}

void LinkEngine::paceAndSend(ControlFrame& frame, bool changed) {
    auto& s = m_state;
    std::uint8_t& beeper = frame[ct::Beeper];
    // A muted alarm leaves the beeper silent; the tick then runs as if no beep had been asked for.
    if (beeper == 1 && m_settings.sys.AlarmMute == kTrue) beeper = 2;

    if (beeper == 1) {
        beeper = s.BeeperPhase == 2 ? 1 : 2;
        s.BeeperPhase = beeper;
        changed = true;
    } else {
        const std::size_t p1 = ct::PumpPower, p2 = ct::PumpPower + 1;
        if (s.PumpHoldActive) {
            s.PumpHoldTicks += 1;
            if (s.PumpHoldTicks < kPumpHoldPolls) {
                frame[p1] = static_cast<std::uint8_t>(s.PumpOld.first);
                frame[p2] = static_cast<std::uint8_t>(s.PumpOld.second);
            } else {
                s.PumpHoldTicks = 0;
                if (s.PumpOld == s.PumpNew) {
                    s.PumpHoldActive = false;
                } else {
                    frame[p1] = static_cast<std::uint8_t>(s.PumpNew.first);
                    frame[p2] = static_cast<std::uint8_t>(s.PumpNew.second);
                    s.PumpOld = s.PumpNew;
                    changed = true;
                }
            }
        }
        if (!changed) {
            if (s.BeeperOn) {
                beeper = 2;
                changed = true;
            } else if (++s.IdleTicks >= kKeepAliveIdlePolls) {
                s.IdleTicks = 0;
                m_port.write(Bytes(CmdKeepAlive.begin(), CmdKeepAlive.end()));
                return;
            }
        }
    }

    if (changed) {
        if (beeper != 1 && beeper != 2)
            throw LinkError(kErrInvalidValue, "Invalid beeper value " + std::to_string(beeper));
        sealControlFrame(frame);
        m_port.write(Bytes(frame.begin(), frame.end()));
        s.IdleTicks = 0;
        s.BeeperOn = beeper == 1;
    }

    // Settle what was sent rather than discard it: a control frame dropped here is never sent
    // again, because PrevControl already holds its values.
    m_port.drainOutput();
    m_port.discardInput();

    // Filled from a frame of this link, so a new controller's firmware replaces the old one.
    if (!s.VersionLabelFilled && s.FrameSinceLinkOff) {
        m_host.setVersionLabel(versionLabelText());
        s.VersionLabelFilled = true;
    }
}

} // namespace vrx
