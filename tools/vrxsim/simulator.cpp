#include "vrxsim/simulator.h"

#include <algorithm>
#include <utility>

namespace vrxsim {

Simulator::Simulator(int boardType, std::uint64_t seed, std::vector<SimEvent> events, SimHost& host,
                     bool quietRx)
    : m_board(boardType == 1 ? 1 : 2), m_model(m_board, seed), m_events(std::move(events)), m_host(host),
      m_quietRx(quietRx) {
    sortEvents(m_events);
    // Power-on outputs until the program says otherwise: everything at full, nothing sounding.
    const Drive d;
    m_control.alarmCode.fill(0);
    m_control.shutdownCode.fill(0);
    m_control.fanPower = d.fanPower;
    m_control.pumpStep = d.pumpStep;
    m_control.flowModel = d.flowModel;
    m_control.tube = d.tube;
    m_control.boardType = m_board;
}

void Simulator::receive(std::span<const std::uint8_t> data, double now) {
    if (!m_plugged) return;
    for (const RxMessage& m : m_parser.feed(data, now))
        handle(m, now);
}

void Simulator::advance(double now) {
    while (m_nextEvent < m_events.size() && m_events[m_nextEvent].at <= now) {
        const SimEvent& e = m_events[m_nextEvent++];
        const double at = std::max(e.at, m_now);
        m_model.step(at - m_now);
        m_now = at;
        applyEvent(e, at);
    }
    if (now > m_now) {
        m_model.step(now - m_now);
        m_now = now;
    }

    for (const RxMessage& m : m_parser.expire(now))
        handle(m, now);

    if (m_streaming && now - m_lastRx > kSilenceTimeout)
        stopStreaming("no message from the program for " + std::to_string(static_cast<int>(kSilenceTimeout)) +
                      " s");

    if (!m_streaming || now < m_nextStatus) return;
    // One frame per due tick; ticks missed while the caller was late are skipped, not bunched.
    while (m_nextStatus <= now)
        m_nextStatus += kStatusPeriod;
    if (!sending(now)) return;
    StatusFrame f = buildStatusFrame(sampleReadings(m_model), m_board);
    if (m_corruptFrames > 0) {
        --m_corruptFrames;
        f[st::Checksum] = static_cast<std::uint8_t>(f[st::Checksum] + 1);
    }
    m_host.send(f);
}

void Simulator::handle(const RxMessage& m, double now) {
    if (m.kind == RxKind::Control) {
        ControlFrame frame{};
        std::copy(m.bytes.begin(), m.bytes.end(), frame.begin());
        m_control = decodeControlFrame(frame);
        if (!m_quietRx) m_host.print("rx control " + describeControl(m_control));
    } else if (!m_quietRx) {
        m_host.print("rx " + describeRx(m));
    }

    switch (m.kind) {
    case RxKind::Identify:
        m_lastRx = now;
        if (!sending(now)) return;
        m_host.send(buildIdentifyReply(sampleReadings(m_model), m_board));
        m_powerOffSeen = false;
        if (!m_streaming) m_host.print("streaming on");
        m_streaming = true;
        m_nextStatus = now + kFirstStatusDelay;
        return;
    case RxKind::KeepAlive:
        m_lastRx = now;
        return;
    case RxKind::Control:
        m_lastRx = now;
        m_model.setDrive(driveFor(m_control));
        if (m_control.powerOff == 1 && !m_powerOffSeen) {
            // A real box would cut the computer's power here; the simulator only says so.
            m_powerOffSeen = true;
            m_host.print("POWER OFF REQUESTED");
            stopStreaming("power off");
        } else if (m_control.powerOff != 1) {
            m_powerOffSeen = false;
        }
        return;
    case RxKind::BadChecksum:
    case RxKind::Unknown:
    case RxKind::Incomplete:
        return; // a box ignores what it cannot trust
    }
}

void Simulator::stopStreaming(const std::string& why) {
    if (!m_streaming) return;
    m_streaming = false;
    m_host.print("streaming off: " + why);
}

void Simulator::applyEvent(const SimEvent& e, double now) {
    switch (e.kind) {
    case EventKind::Overheat:
        m_model.setOverheat(e.unit, e.value);
        break;
    case EventKind::Cool:
        m_model.clearOverheat(e.unit);
        break;
    case EventKind::PumpStop:
    case EventKind::PumpStart:
        m_model.setPumpStopped(e.unit, e.kind == EventKind::PumpStop);
        break;
    case EventKind::SensorOpen:
        m_model.setSensor(e.unit, SensorState::Open);
        break;
    case EventKind::SensorShort:
        m_model.setSensor(e.unit, SensorState::Short);
        break;
    case EventKind::SensorOk:
        m_model.setSensor(e.unit, SensorState::Ok);
        break;
    case EventKind::Corrupt:
        m_corruptFrames += e.unit;
        break;
    case EventKind::Silence:
        m_silentUntil = std::max(m_silentUntil, now + e.value);
        break;
    case EventKind::Unplug:
        if (!m_plugged) break;
        m_plugged = false;
        m_streaming = false;
        m_parser.reset();
        m_host.unplug();
        m_host.print("unplugged");
        return;
    case EventKind::Replug:
        if (m_plugged) break;
        m_plugged = true;
        m_host.replug();
        m_host.print("replugged");
        return;
    case EventKind::Quit:
        m_host.print("event quit");
        m_host.quit();
        return;
    }
    m_host.print("event " + describeEvent(e));
}

} // namespace vrxsim
