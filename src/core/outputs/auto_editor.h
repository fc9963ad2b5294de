#pragma once
// The auto-mode curve editor: one output's (or the group's) three-point curve, its driving
// channel and hysteresis choice, edited by dragging handles on a plot of 0..100 C by 0..100 %.
#include <array>
#include <string>

#include "link/controller_state.h"
#include "outputs/auto_curve.h"
#include "outputs/levels.h"
#include "settings/channel_count.h"
#include "settings/settings_record.h"

namespace vrx {

// The plot in its own units: 45 per degree from the left edge, 25 per percent down from 100 %.
inline constexpr int kPlotWidth = 4500;
inline constexpr int kPlotHeight = 2500;
inline constexpr int kUnitsPerDegree = 45;
inline constexpr int kUnitsPerPercent = 25;
inline constexpr int kTempHandleGap = 65;  // 1 4/9 C: neighbours round at least 1 degree apart
inline constexpr int kPowerHandleGap = 30; // 1.2 %

struct PlotSegment {
    int x1, y1, x2, y2;
    bool operator==(const PlotSegment&) const = default;
};

class AutoEditor {
public:
    // unit 0 = all fans (pumps), else fan 1..6 or pump 1..2.
    AutoEditor(OutputKind kind, int unit);

    // Copies the target's curve; `status` decides which channels can be chosen.
    void Form_Load(const Settings& s, const StatusArray& status);

    OutputKind kind() const { return m_kind; }
    int unit() const { return m_unit; }
    std::string caption() const;
    std::string temperatureAxisTitle() const; // "Temp.(C)"
    std::string temperatureAxisUnit() const;  // "(  C)"
    std::string powerAxisTitle() const;       // "Power(%)"
    std::string powerAxisUnit() const;        // "( % )"

    int temperature(int k) const { return m_curve.temp.at(idx(k)); }
    int power(int k) const { return m_curve.power.at(idx(k)); }
    std::string temperatureLabel(int k) const;
    std::string powerLabel(int k) const;

    int channel() const { return m_curve.sensor; }
    void setChannel(int channel);
    bool channelEnabled(int channel) const { return m_enabled.at(idx(channel)); }
    bool channelVisible(int channel) const { return m_visible.at(idx(channel)); }
    bool noHysteresis() const { return m_curve.noHysteresis; }
    void setNoHysteresis(bool on) { m_curve.noHysteresis = on; }

    // Handle positions in plot units; a handle stays where it was released.
    int temperatureHandle(int k) const { return m_tempPos.at(idx(k)); }
    int powerHandle(int k) const { return m_powerPos.at(idx(k)); }
    // Move a handle to `position`, kept clear of its neighbours' handles, and round its value.
    void dragTemperature(int k, int position);
    void dragPower(int k, int position);

    // The curve as drawn, in plot units (y down from the 100 % line).
    std::array<PlotSegment, 6> curveSegments() const;

    // The target to Auto with this curve; unit 0 sets every entry of the kind and group mode.
    // The caller saves the system file.
    void save(Settings& s) const;

private:
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
    void placeHandles();

    OutputKind m_kind;
    int m_unit;
    int m_tempUnit = 1;
    AutoCurve m_curve;
    std::array<int, 3> m_tempPos{};
    std::array<int, 3> m_powerPos{};
    std::array<bool, kTempChannels> m_enabled{};
    std::array<bool, kTempChannels> m_visible{};
};

// Plot position of a temperature (C) and of a power (%).
inline constexpr int temperatureX(int celsius) {
    return kUnitsPerDegree * celsius;
}
inline constexpr int powerY(int percent) {
    return kUnitsPerPercent * (100 - percent);
}

} // namespace vrx
