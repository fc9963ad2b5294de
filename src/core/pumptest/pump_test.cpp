#include "pumptest/pump_test.h"

#include <exception>

#include "diag/message_box.h"
#include "link/control_frame.h"
#include "link/status_frame.h"
#include "measure/flow.h"
#include "measure/number_value.h"
#include "measure/temperature.h"
#include "outputs/levels.h"
#include "text/format.h"

namespace vrx {
namespace {

constexpr std::size_t kOutputsFirst = ct::FanPower; // fan bytes 23..28 and pump bytes 29..30
constexpr int kFullStep = 31;
constexpr int kFirstSampleStep = 14; // level 15, still at full output
constexpr int kLastSampleStep = 98;  // level 1
constexpr int kStepsPerLevel = 6;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

PumpTest::PumpTest(Settings& settings, ControllerState& state, const SafetyState& safety,
                   bool& pumpTestRunning, PumpTestHost& host)
    : m_settings(settings), m_state(state), m_safety(safety), m_pumpTestRunning(pumpTestRunning),
      m_host(host) {}

int PumpTest::pairs() const {
    return testPairs(m_settings.sys.BoardType);
}

void PumpTest::mOpenSet() {
    m_chart.LabTub = {};
    m_chart.LabCapFlow = {};
    for (int k = 0; k < pairs(); ++k) {
        const int model = m_settings.pump.FlowMeterModel[at(k)];
        const int tube = m_settings.pump.TubeSize[at(k)];
        m_chart.LabCapFlow[at(k)] = flowMeterCaption(model);
        m_chart.LabTub[at(k)] = tubeText(tube);
        m_flowFactor[at(k)] = FlowFactor(model, tube);
    }
}

void PumpTest::open() {
    mOpenSet();
    // The progress bar starts empty each time the window opens, whatever the last run reached.
    m_step = 0;
    m_levelCount = 0;
    clearChart(m_chart);
    // A stored result is the whole picture of the last test, so it may be captured again.
    m_captureEnabled = mLoadLogData(m_settings.test, m_chart);
    m_chart.resultsInPicture = m_captureEnabled;
    m_host.refresh();
}

std::string PumpTest::refusal() const {
    if (!m_host.linked()) return "The pump test needs the controller: it is not connected.   ";
    if (m_safety.anyAlarm()) return "The pump test cannot start while an alarm is active.   ";
    if (const auto over = temperatureOverLimit()) return "The pump test cannot start: " + *over;
    return "";
}

bool PumpTest::mStartTest() {
    if (m_running) return false;
    m_host.beep();
    if (auto why = refusal(); !why.empty()) {
        m_host.showNotice(why);
        return false;
    }
    if (m_host.showMessage(114, 2, 1, 8600, 2200) != kBoxFirstButton) return false;
    // The box may have stood open for a while: look again.
    if (auto why = refusal(); !why.empty()) {
        m_host.showNotice(why);
        return false;
    }
    mOpenSet();
    clearChart(m_chart);
    for (std::size_t i = 0; i < m_outputsBefore.size(); ++i)
        m_outputsBefore[i] = m_state.ControlBytes[kOutputsFirst + i];
    m_pumpTestRunning = true;
    m_running = true;
    m_captureEnabled = false;
    m_step = 0;
    m_levelCount = 0;
    m_host.refresh();
    return true;
}

void PumpTest::TimerTest() {
    if (!m_running) return;
    try {
        if (!m_host.linked())
            return abandon("The pump test stopped: the controller is no longer connected.   ");
        if (const auto over = temperatureOverLimit()) return abandon("The pump test stopped: " + *over);
        step(m_step + 1);
    } catch (const std::exception& e) {
        abandon("");
        m_host.logError("FrmCharacteristics.TimerTest_Timer", e.what());
    }
}

void PumpTest::step(int s) {
    m_step = s;
    if (s >= kTestEndStep) return endTest();
    if (s < kFirstSampleStep || s > kLastSampleStep) {
        setPumps(kFullStep);
        m_levelCount = 0;
    } else if ((s - kFirstSampleStep) % kStepsPerLevel == 0) {
        ++m_levelCount;
        mSampleLevel(kTestLevels + 1 - m_levelCount);
    } else {
        setPumps(TestLevelStep(kTestLevels - m_levelCount));
    }
    m_host.refresh();
}

void PumpTest::mSampleLevel(int level) {
    for (int k = 0; k < kTestPairs; ++k) {
        m_chart.TestRpm[at(k)].at(at(level)) = m_state.StatusBytes[st::PumpTach + at(k)] * 30.0;
        const double lpm = m_state.StatusBytes[st::FlowCount + at(k)] * m_flowFactor[at(k)];
        m_chart.TestFlow[at(k)].at(at(level)) = numberValue(formatFixed(lpm, 1)).value_or(0);
        if (level == kTestLevels) {
            m_chart.TestRpm[at(k)][kTestLevels + 1] = m_chart.TestRpm[at(k)][kTestLevels];
            m_chart.TestFlow[at(k)][kTestLevels + 1] = m_chart.TestFlow[at(k)][kTestLevels];
        }
    }
    m_chart.drawnFrom = level;
}

void PumpTest::setPumps(int value) {
    m_state.ControlBytes[ct::PumpPower] = static_cast<std::int16_t>(value);
    m_state.ControlBytes[ct::PumpPower + 1] = static_cast<std::int16_t>(value);
}

void PumpTest::endTest() {
    mMaxMinSave(m_chart, pairs());
    m_chart.resultsInPicture = true;
    mSaveLogData(m_chart, pairs(), m_settings.test);
    gRestoreOutputs();
    m_captureEnabled = true;
    m_host.saveSystemFile();
    m_host.refresh();
    m_host.beep();
    m_host.showMessage(115, 0, 4, 4500, 1800);
}

void PumpTest::abandon(const std::string& notice) {
    gRestoreOutputs();
    m_captureEnabled = false;
    m_host.refresh();
    if (!notice.empty()) m_host.showNotice(notice);
}

void PumpTest::gRestoreOutputs() {
    m_running = false;
    for (std::size_t i = 0; i < m_outputsBefore.size(); ++i)
        m_state.ControlBytes[kOutputsFirst + i] = m_outputsBefore[i];
    m_pumpTestRunning = false;
    m_host.outputsRestored();
}

std::optional<std::string> PumpTest::temperatureOverLimit() const {
    const auto& temp = m_settings.temp;
    for (int i = 0; i < 5 * pairs(); ++i) {
        const int code = m_state.StatusBytes[st::Temp + at(i)];
        if (!isValidTempCode(code)) continue;
        const std::string channel = "Temperature " + std::to_string(i + 1);
        if (temp.TempShutdownOn[at(i)] == 1 && code >= m_state.ControlBytes[ct::TempShutdown + at(i)])
            return channel + " has reached its shutdown limit.   ";
        if (temp.TempAlarmOn[at(i)] == 1 && code >= m_state.ControlBytes[ct::TempAlarm + at(i)])
            return channel + " has reached its alarm limit.   ";
    }
    return std::nullopt;
}

void PumpTest::close(Int32 leftTwips, Int32 topTwips) {
    if (m_running) abandon("");
    m_pumpTestRunning = false;
    m_settings.sys.WindowPos[4] = leftTwips;
    m_settings.sys.WindowPos[5] = topTwips;
    m_host.saveSystemFile();
}

} // namespace vrx
