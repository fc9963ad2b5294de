#pragma once
// The pump characteristics test: steps both pumps from full output down through fifteen levels,
// samples speed and flow at each, and keeps the result in the settings record. Driven by a
// 2-second tick. While it runs the alarm and shutdown checks and auto mode stand aside, so the
// test guards the temperatures itself and always hands the outputs back as they were.
#include <array>
#include <optional>
#include <string>

#include "link/controller_state.h"
#include "pumptest/pump_test_chart.h"
#include "pumptest/pump_test_host.h"
#include "safety/safety_state.h"

namespace vrx {

inline constexpr int kTestTickMs = 2000;
inline constexpr int kTestEndStep = 101;

class PumpTest {
public:
    PumpTest(Settings& settings, ControllerState& state, const SafetyState& safety, bool& pumpTestRunning,
             PumpTestHost& host);

    // Window open: labels from the settings, then the stored result of the last test.
    void open();
    // " Start": checks, the caution box, then the test runs; false when it did not start.
    bool mStartTest();
    // The test timer's tick, every kTestTickMs while running() (a no-op otherwise).
    void TimerTest();
    // Window close, any way: a running test is abandoned without a result; the position
    // (twips) is kept and the settings saved.
    void close(Int32 leftTwips, Int32 topTwips);

    bool running() const { return m_running; }
    int TestStep() const { return m_step; }
    int TestLevelCount() const { return m_levelCount; }
    double TestFlowFactor(int k) const { return m_flowFactor.at(static_cast<std::size_t>(k)); }
    int pairs() const;
    bool startEnabled() const { return !m_running; }
    bool captureEnabled() const { return m_captureEnabled; }
    const PumpTestChart& chart() const { return m_chart; }

    // Why the test may not start now, or "".
    std::string refusal() const;

private:
    void mOpenSet();
    void step(int s);
    void mSampleLevel(int level);
    void setPumps(int value);
    void endTest();
    // Stops a running test without a result; the notice (if any) comes after the outputs.
    void abandon(const std::string& notice);
    // Outputs back, flag cleared, timer off: the same for every way the test stops.
    void gRestoreOutputs();
    // The first temperature channel at or past its enabled alarm or shutdown limit, as text.
    std::optional<std::string> temperatureOverLimit() const;

    Settings& m_settings;
    ControllerState& m_state;
    const SafetyState& m_safety;
    bool& m_pumpTestRunning;
    PumpTestHost& m_host;

    PumpTestChart m_chart;
    std::array<double, kTestPairs> m_flowFactor{};
    std::array<std::int16_t, 8> m_outputsBefore{}; // fan bytes 1..6, pump bytes 1..2
    bool m_running = false;
    bool m_captureEnabled = false;
    int m_step = 0;
    int m_levelCount = 0;
};

} // namespace vrx
