#include "outputs/output_levels.h"

#include <exception>

#include "measure/volt_table.h"

namespace vrx {

namespace {
int outputCount(OutputKind kind) {
    return kind == OutputKind::Fan ? kFans : kPumps;
}
bool isChoosable(OutputKind kind, int item) {
    return isFixedLevel(item) || (kind == OutputKind::Fan && item == kLevelDisable);
}
} // namespace

void OutputLevels::save() {
    m_host.saveSystemFile();
    reportRefusal();
}

void OutputLevels::reportRefusal() {
    if (!m_bytes.takeRefusal()) return;
    const std::string reason = alarmReason ? alarmReason() : std::string();
    if (!reason.empty()) m_host.showBalloon(reason, BalloonIcon::Warning);
}

void OutputLevels::mFanSelect(int unit, int item) {
    select(OutputKind::Fan, unit, item, "FrmPopup.mFanSelect");
}

void OutputLevels::mPumpSelect(int unit, int item) {
    select(OutputKind::Pump, unit, item, "FrmPopup.mPumpSelect");
}

void OutputLevels::select(OutputKind kind, int unit, int item, const std::string& procedure) {
    try {
        if (unit < 0 || unit > outputCount(kind)) return;
        if (item == kLevelAuto) {
            m_host.openAutoEditor(kind, unit);
            return;
        }
        if (item == kLevelAdjust) {
            m_host.openPowerAdjust(kind, unit);
            return;
        }
        if (!isChoosable(kind, item)) return;
        if (unit == 0) {
            setGroupLevel(kind, item, procedure);
        } else {
            groupFlag(m_settings, kind) = 0;
            levelSetting(m_settings, kind, unit) = static_cast<Int16>(item);
            m_bytes.setManual(m_settings, kind, unit, unit, item, procedure);
        }
        save();
    } catch (const std::exception& e) {
        m_host.logError(procedure, e.what());
    }
}

// The group's power for a level becomes every output's power for that level; the other levels
// keep their per-output values.
void OutputLevels::setGroupLevel(OutputKind kind, int item, const std::string& procedure) {
    groupFlag(m_settings, kind) = 1;
    for (int e = 0; e < entryCount(kind); ++e)
        levelSetting(m_settings, kind, e) = static_cast<Int16>(item);
    const int n = item - 2;
    for (int f = 1; f <= outputCount(kind); ++f) {
        if (isFixedLevel(item)) levelTable(m_settings, kind, f, n) = levelTable(m_settings, kind, 0, n);
        m_bytes.setManual(m_settings, kind, f, f, item, procedure);
    }
}

void OutputLevels::allLevel(OutputKind kind, int item, const std::string& procedure) {
    try {
        if (item != kLevelFirst && item != kLevelLast) return;
        const int n = item - 2;
        const int value = levelTable(m_settings, kind, 0, n);
        const std::string text = kind == OutputKind::Fan
                                     ? "All Fans Level " + std::to_string(n) + " (" + std::to_string(value) + "%)"
                                     : "All Pumps Level " + std::to_string(n) + " (" + VoltText(value) + ")";
        m_host.showBalloon(text, BalloonIcon::Information);
        setGroupLevel(kind, item, procedure);
        save();
    } catch (const std::exception& e) {
        m_host.logError(procedure, e.what());
    }
}

void OutputLevels::mAllFansLevel(int item) {
    allLevel(OutputKind::Fan, item, "FrmMain.mAllFansLevel");
}

void OutputLevels::mAllPumpsLevel(int item) {
    if (item == kLevelFirst && alarmReason) {
        if (const std::string refusal = alarmReason(); !refusal.empty()) {
            m_host.showBalloon(refusal, BalloonIcon::Warning);
            return;
        }
    }
    allLevel(OutputKind::Pump, item, "FrmMain.mAllPumpsLevel");
    // The pumps need time to settle on the new step before the controller hears anything else;
    // the window stays responsive meanwhile.
    m_host.pausePolling(2000);
}

void OutputLevels::mAllAuto(const std::string& kindText) {
    const OutputKind kind = kindText == "FAN" ? OutputKind::Fan : OutputKind::Pump;
    try {
        groupFlag(m_settings, kind) = 1;
        for (int e = 0; e < entryCount(kind); ++e)
            levelSetting(m_settings, kind, e) = kLevelAuto;
        // No output byte changes here: the next auto evaluation sets them from the group curve.
        m_host.showBalloon(kind == OutputKind::Fan ? "Fan Auto Mode" : "Pump Auto Mode", BalloonIcon::Information);
        save();
    } catch (const std::exception& e) {
        m_host.logError("FrmMain.mAllAuto", e.what());
    }
}

} // namespace vrx
