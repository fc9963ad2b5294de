#include "outputs/levels.h"

#include <algorithm>
#include <array>

#include "measure/volt_table.h"

namespace vrx {

bool isKnownLevel(OutputKind kind, int setting) {
    return setting == kLevelAuto || isFixedLevel(setting) || (kind == OutputKind::Fan && setting == kLevelDisable);
}

int effectiveLevel(OutputKind kind, int setting) {
    return isKnownLevel(kind, setting) ? setting : kLevelLast;
}

int StepByte(int step) {
    return step - 1;
}

std::string PercentVoltText(int percent) {
    if (percent < 0 || percent > 100) return {};
    int step = 0;
    if (percent <= 5) {
        step = 1;
    } else if (percent <= 59) {
        step = 2 + (percent - 6) / 3; // 3-wide bands from 6..8
    } else if (percent <= 61) {
        step = 20;
    } else if (percent <= 94) {
        step = 21 + (percent - 62) / 3;
    } else {
        step = 32;
    }
    return VoltText(step);
}

int TestLevelStep(int n) {
    constexpr std::array<int, 15> steps = {0, 5, 9, 12, 15, 18, 21, 23, 25, 26, 27, 28, 29, 30, 31};
    if (n < 1 || n > 15) return 0;
    return steps[static_cast<std::size_t>(n - 1)];
}

Int16& groupFlag(Settings& s, OutputKind kind) {
    return kind == OutputKind::Fan ? s.fan.FanGroup : s.pump.PumpGroup;
}
Int16 groupFlag(const Settings& s, OutputKind kind) {
    return kind == OutputKind::Fan ? s.fan.FanGroup : s.pump.PumpGroup;
}
Int16& levelSetting(Settings& s, OutputKind kind, int entry) {
    const auto e = static_cast<std::size_t>(entry);
    return kind == OutputKind::Fan ? s.fan.FanLevel.at(e) : s.pump.PumpLevel.at(e);
}
Int16 levelSetting(const Settings& s, OutputKind kind, int entry) {
    const auto e = static_cast<std::size_t>(entry);
    return kind == OutputKind::Fan ? s.fan.FanLevel.at(e) : s.pump.PumpLevel.at(e);
}
Int16& levelTable(Settings& s, OutputKind kind, int entry, int level) {
    const auto e = static_cast<std::size_t>(entry), n = static_cast<std::size_t>(level);
    return kind == OutputKind::Fan ? s.sys.FanLevelTable(e, n) : s.sys.PumpLevelTable(e, n);
}
Int16 levelTable(const Settings& s, OutputKind kind, int entry, int level) {
    const auto e = static_cast<std::size_t>(entry), n = static_cast<std::size_t>(level);
    return kind == OutputKind::Fan ? s.sys.FanLevelTable(e, n) : s.sys.PumpLevelTable(e, n);
}

int defaultLevelValue(OutputKind kind, int level) {
    return kind == OutputKind::Fan ? 10 * level : 3 * level + 2;
}

std::int16_t manualOut(const Settings& s, OutputKind kind, int unit, int setting) {
    const int level = effectiveLevel(kind, setting);
    if (!isFixedLevel(level)) return 0;
    const int value = levelTable(s, kind, unit, level - 2);
    if (kind == OutputKind::Fan) return static_cast<std::int16_t>(std::clamp(value, 0, 100));
    return static_cast<std::int16_t>(StepByte(std::clamp(value, 1, kVoltSteps)));
}

std::int16_t FanManualOut(const Settings& s, int fan) {
    return manualOut(s, OutputKind::Fan, fan, levelSetting(s, OutputKind::Fan, fan));
}

std::int16_t PumpManualOut(const Settings& s, int pump) {
    return manualOut(s, OutputKind::Pump, pump, levelSetting(s, OutputKind::Pump, pump));
}

std::string levelCaption(OutputKind kind, int level, int tableValue) {
    const std::string head = "Level " + std::to_string(level) + " (";
    if (kind == OutputKind::Fan) return head + std::to_string(tableValue) + "%)";
    return head + VoltText(tableValue) + "V)";
}

} // namespace vrx
