#pragma once
// The controller's behaviour on the wire, independent of any real port: answers the identify
// command, streams status frames once a second, applies control frames, stops streaming after
// a silence and plays scripted events. Time is passed in, so tests drive it in simulated time.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "vrxsim/box_frames.h"
#include "vrxsim/event_script.h"
#include "vrxsim/physical_model.h"
#include "vrxsim/rx_parser.h"

namespace vrxsim {

// What the simulator needs from whatever carries its bytes.
class SimHost {
public:
    virtual ~SimHost() = default;
    virtual void send(std::span<const std::uint8_t> bytes) = 0;
    virtual void print(const std::string& line) = 0; // one line, no newline
    virtual void unplug() = 0;
    virtual void replug() = 0;
    virtual void quit() = 0;
};

inline constexpr double kStatusPeriod = 1.0;
inline constexpr double kFirstStatusDelay = 0.5; // after the identify reply, mid-way between polls
inline constexpr double kSilenceTimeout = 15.0;  // no message from the program: stop streaming

class Simulator {
public:
    Simulator(int boardType, std::uint64_t seed, std::vector<SimEvent> events, SimHost& host,
              bool quietRx = false);

    // Bytes from the program, received at `now` (seconds since start).
    void receive(std::span<const std::uint8_t> data, double now);
    // Moves simulated time to `now`: the model, due events, status frames, the silence timeout.
    void advance(double now);

    PhysicalModel& model() { return m_model; }
    int boardType() const { return m_board; }
    bool streaming() const { return m_streaming; }
    bool plugged() const { return m_plugged; }
    bool beeperOn() const { return m_control.beeper == 1; }
    const ControlSettings& control() const { return m_control; }

private:
    void handle(const RxMessage& m, double now);
    void applyEvent(const SimEvent& e, double now);
    void stopStreaming(const std::string& why);
    bool sending(double now) const { return m_plugged && now >= m_silentUntil; }

    int m_board;
    PhysicalModel m_model;
    std::vector<SimEvent> m_events;
    std::size_t m_nextEvent = 0;
    SimHost& m_host;
    bool m_quietRx;
    RxParser m_parser;
    ControlSettings m_control;

    double m_now = 0;
    bool m_plugged = true;
    bool m_streaming = false;
    bool m_powerOffSeen = false;
    double m_nextStatus = 0;
    double m_lastRx = 0;
    double m_silentUntil = 0;
    int m_corruptFrames = 0;
};

} // namespace vrxsim
