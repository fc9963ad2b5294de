#include "outputs/power_adjust.h"

#include <algorithm>
#include <stdexcept>

#include "measure/volt_table.h"

namespace vrx {

namespace {
int outputCount(OutputKind kind) {
    return entryCount(kind) - 1;
}

struct Range {
    int first, last;
};
// The entries a save reaches: the unit alone, or for unit 0 every entry from `groupFirst` on.
Range reach(OutputKind kind, int unit, int groupFirst) {
    return unit == 0 ? Range{groupFirst, outputCount(kind)} : Range{unit, unit};
}
} // namespace

PowerAdjust::PowerAdjust(OutputKind kind, int unit) : m_kind(kind), m_unit(unit) {
    if (unit < 0 || unit > outputCount(kind)) throw std::out_of_range("PowerAdjust: no such unit");
    mDefault();
}

void PowerAdjust::Form_Load(const Settings& s) {
    for (int n = 1; n <= kLevels; ++n)
        setValue(n, levelTable(s, m_kind, m_unit, n));
}

std::string PowerAdjust::caption() const {
    const bool fan = m_kind == OutputKind::Fan;
    if (m_unit == 0) return fan ? "All Fan - Power Adjust" : "All Pump - Power Adjust";
    return (fan ? "Fan #" : "Pump #") + std::to_string(m_unit) + " - Power Adjust";
}

int PowerAdjust::sliderMax() const {
    return m_kind == OutputKind::Fan ? 100 : kVoltSteps;
}

std::size_t PowerAdjust::index(int n) const {
    if (n < 1 || n > kLevels) throw std::out_of_range("PowerAdjust: no such level");
    return static_cast<std::size_t>(n - 1);
}

int PowerAdjust::value(int n) const {
    return m_values[index(n)];
}

void PowerAdjust::setValue(int n, int v) {
    m_values[index(n)] = std::clamp(v, 1, sliderMax());
}

std::string PowerAdjust::valueLabel(int n) const {
    return valueText(value(n));
}

std::string PowerAdjust::valueText(int v) const {
    if (m_kind == OutputKind::Fan) return "(" + std::to_string(v) + "%)";
    return "(" + VoltText(v) + "V)";
}

void PowerAdjust::mDefault() {
    for (int n = 1; n <= kLevels; ++n)
        setValue(n, defaultLevelValue(m_kind, n));
}

void PowerAdjust::save(Settings& s, OutputBytes& out) const {
    mSaveLevelData(s);
    mBuffSet(s, out);
}

void PowerAdjust::mSaveLevelData(Settings& s) const {
    // A single unit keeps the group column; the group edit gives every unit the same powers.
    const Range r = reach(m_kind, m_unit, 0);
    for (int entry = r.first; entry <= r.last; ++entry)
        for (int n = 1; n <= kLevels; ++n)
            levelTable(s, m_kind, entry, n) = static_cast<Int16>(value(n));
}

void PowerAdjust::mBuffSet(const Settings& s, OutputBytes& out) const {
    const std::string procedure =
        m_kind == OutputKind::Fan ? "FrmAdjust.mFanBuffSet" : "FrmAdjust.mPumpBuffSet";
    // All outputs of the kind, whatever the board type: a board that lacks them ignores the bytes.
    const Range r = reach(m_kind, m_unit, 1);
    for (int output = r.first; output <= r.last; ++output) {
        const int setting = levelSetting(s, m_kind, output);
        if (!isFixedLevel(effectiveLevel(m_kind, setting))) continue; // Auto and Disable keep their bytes
        out.setManual(s, m_kind, output, output, setting, procedure);
    }
}

} // namespace vrx
