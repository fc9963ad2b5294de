#include "outputs/auto_editor.h"

#include <algorithm>
#include <stdexcept>

#include "link/status_frame.h"
#include "measure/temperature.h"
#include "text/format.h"

namespace vrx {

namespace {
constexpr int kSmallBoardChannels = 5;

// Handle k's position kept `gap` units clear of its neighbours' current positions and within
// 0..extent. `ascending` says whether positions grow with k (temperatures) or shrink (powers).
int keepClear(const std::array<int, 3>& pos, int k, int position, int gap, int extent, bool ascending) {
    const int below = ascending ? k - 1 : k + 1; // the neighbour on the low-position side
    const int above = ascending ? k + 1 : k - 1;
    const auto inRange = [](int i) { return i >= 0 && i <= 2; };
    const int lo = inRange(below) ? pos[static_cast<std::size_t>(below)] + gap : 0;
    const int hi = inRange(above) ? pos[static_cast<std::size_t>(above)] - gap : extent;
    // A stored curve out of order can leave no room between the bounds; the lower bound then wins.
    return std::max(lo, std::min(position, hi));
}

void checkPoint(int k) {
    if (k < 0 || k > 2) throw std::out_of_range("AutoEditor: no such point");
}
} // namespace

AutoEditor::AutoEditor(OutputKind kind, int unit) : m_kind(kind), m_unit(unit) {
    if (unit < 0 || unit >= entryCount(kind)) throw std::out_of_range("AutoEditor: no such unit");
    m_enabled.fill(true);
    m_visible.fill(true);
}

void AutoEditor::Form_Load(const Settings& s, const StatusArray& status) {
    m_tempUnit = s.temp.TempUnit;
    m_curve = autoCurve(s, m_kind, m_unit);
    if (m_curve.sensor < 0 || m_curve.sensor >= kTempChannels) m_curve.sensor = 0;
    const int board = s.sys.BoardType;
    const int examined = std::clamp(kSmallBoardChannels * board, 0, kTempChannels);
    for (int c = 0; c < kTempChannels; ++c) {
        const int code = status[st::Temp + idx(c)];
        const bool noSensor = code == kSensorOpenCode || code == kSensorShortCode;
        m_enabled[idx(c)] = !(c < examined && noSensor);
        m_visible[idx(c)] = board != 1 || c < kSmallBoardChannels;
    }
    placeHandles();
}

void AutoEditor::placeHandles() {
    for (std::size_t k = 0; k < 3; ++k) {
        m_tempPos[k] = temperatureX(m_curve.temp[k]);
        m_powerPos[k] = powerY(m_curve.power[k]);
    }
}

std::string AutoEditor::caption() const {
    const bool fan = m_kind == OutputKind::Fan;
    const std::string unitText =
        m_unit == 0 ? (fan ? " All Fans" : " All Pumps") : (fan ? " Fan" : " Pump") + std::to_string(m_unit);
    return unitText + " - Auto Mode Setting";
}

// Anything but Celsius shows Fahrenheit, on the axis as in the labels.
std::string AutoEditor::temperatureAxisTitle() const {
    return m_tempUnit == kUnitCelsius ? "Temp.(C)" : "Temp.(F)";
}
std::string AutoEditor::temperatureAxisUnit() const {
    return m_tempUnit == kUnitCelsius ? "(  C)" : "(  F)";
}
std::string AutoEditor::powerAxisTitle() const {
    return m_kind == OutputKind::Fan ? "Power(%)" : "Power(V)";
}
std::string AutoEditor::powerAxisUnit() const {
    return m_kind == OutputKind::Fan ? "( % )" : "( V )";
}

std::string AutoEditor::temperatureLabel(int k) const {
    return gTempFVal(temperature(k), m_tempUnit);
}

std::string AutoEditor::powerLabel(int k) const {
    return m_kind == OutputKind::Fan ? std::to_string(power(k)) : PercentVoltText(power(k));
}

void AutoEditor::setChannel(int channel) {
    if (channel < 0 || channel >= kTempChannels) throw std::out_of_range("AutoEditor: no such channel");
    m_curve.sensor = channel;
}

void AutoEditor::dragTemperature(int k, int position) {
    checkPoint(k);
    const int at = keepClear(m_tempPos, k, position, kTempHandleGap, kPlotWidth, true);
    m_tempPos[idx(k)] = at;
    m_curve.temp[idx(k)] = static_cast<int>(roundHalfEven(static_cast<double>(at) / kUnitsPerDegree));
}

void AutoEditor::dragPower(int k, int position) {
    checkPoint(k);
    const int at = keepClear(m_powerPos, k, position, kPowerHandleGap, kPlotHeight, false);
    m_powerPos[idx(k)] = at;
    m_curve.power[idx(k)] =
        static_cast<int>(roundHalfEven(100.0 - static_cast<double>(at) / kUnitsPerPercent));
}

std::array<PlotSegment, 6> AutoEditor::curveSegments() const {
    const int x0 = temperatureX(temperature(0)), x1 = temperatureX(temperature(1)),
              x2 = temperatureX(temperature(2));
    const int y0 = powerY(power(0)), y1 = powerY(power(1)), y2 = powerY(power(2));
    return {PlotSegment{0, y0, x1, y0},  PlotSegment{x0, y1, x1, y1}, PlotSegment{x0, y0, x0, y1},
            PlotSegment{x1, y0, x1, y1}, PlotSegment{x1, y1, x2, y2}, PlotSegment{x2, y2, kPlotWidth, y2}};
}

void AutoEditor::save(Settings& s) const {
    const bool all = m_unit == 0;
    const int first = m_unit, last = all ? entryCount(m_kind) - 1 : m_unit;
    for (int entry = first; entry <= last; ++entry) {
        levelSetting(s, m_kind, entry) = static_cast<Int16>(kLevelAuto);
        setAutoCurve(s, m_kind, entry, m_curve);
    }
    groupFlag(s, m_kind) = all ? 1 : 0;
}

} // namespace vrx
