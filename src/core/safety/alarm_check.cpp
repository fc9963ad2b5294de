// The check passes of the alarm: temperatures, pumps and flow meters against their limits.
#include "safety/alarm_check.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "link/control_frame.h"
#include "link/status_frame.h"
#include "measure/number_value.h"
#include "measure/status_text.h"
#include "text/format.h"

namespace vrx {
namespace {

constexpr std::size_t kPumpSpeedEntry = kFirstSpeedEntry + 6; // StatusText 18..19
constexpr int kNoSensorOpen = 1, kNoSensorShort = 254;
constexpr double kLitresPerGallon = 3.7853;

// A number text as a whole number, halves to even; none when it is no number or too large.
std::optional<double> wholeValue(const std::string& text) {
    const auto value = numberValue(text);
    if (!value) return std::nullopt;
    const double whole = roundHalfEven(*value);
    if (std::fabs(whole) > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return whole;
}

std::string wholeText(double value) {
    return std::to_string(static_cast<long long>(value));
}

// The flow reading (always litres per minute) in the unit the limits are kept in.
std::optional<double> flowInUnit(const std::string& shown, Int16 flowUnit) {
    const auto lpm = numberValue(shown);
    if (!lpm || flowUnit == 1) return lpm;
    // Compared as the user sees it: rounded to the two decimals of the gallons display.
    return numberValue(formatFixed(*lpm / kLitresPerGallon, 2));
}

} // namespace

int AlarmCheck::boards() const {
    return m_settings.sys.BoardType == 2 ? 2 : 1;
}

void AlarmCheck::mChkAlarm() {
    // Every flag starts clear, also those of channels a smaller board no longer has.
    m_safety.AlarmState.fill(kFalse);
    const int board = boards();
    for (int i = 0; i < 5 * board; ++i)
        checkTemperature(i);
    for (int j = 0; j < board; ++j) {
        checkPump(j);
        checkFlow(j);
        const auto k = static_cast<std::size_t>(j);
        showDeviceLook(m_pumpLook[k], m_safety.AlarmState[kAlarmPump + k] != 0, true, j);
        showDeviceLook(m_flowLook[k], m_safety.AlarmState[kAlarmFlow + k] != 0, false, j);
    }
    mAlarm(m_safety.anyAlarm());
}

void AlarmCheck::checkTemperature(int channel) {
    const auto k = static_cast<std::size_t>(channel);
    const int code = m_state.StatusBytes[st::Temp + k];
    const int limit = m_state.ControlBytes[ct::TempAlarm + k];
    if (code == kNoSensorOpen || code == kNoSensorShort) return showTempLook(channel, AlarmLook::NoSensor);
    // Code 0 before the first frame of a link and -31 after the display was cleared are no reading.
    const bool alarm = code > 0 && m_settings.temp.TempAlarmOn[k] == 1 && code >= limit;
    if (alarm) {
        m_safety.AlarmState[k] = kTrue;
        m_log.write("T", channel + 1, std::to_string(code - 62), std::to_string(limit - 62));
    }
    showTempLook(channel, alarm ? AlarmLook::Alarm : AlarmLook::Normal);
}

void AlarmCheck::checkPump(int pump) {
    const auto k = static_cast<std::size_t>(pump);
    if (m_settings.pump.PumpAlarmOn[k] != 1) {
        m_badLimit[k] = false;
        return;
    }
    const auto limit = ruleLimit(pump, m_settings.pump.PumpAlarmLimit[k], true);
    // An empty text (no frame yet, display cleared) is no reading, not a stopped pump.
    const auto speed = wholeValue(m_state.StatusText[kPumpSpeedEntry + k]);
    if (!limit || !speed || *limit < *speed) return;
    m_safety.AlarmState[kAlarmPump + k] = kTrue;
    m_log.write("P", pump + 1, wholeText(*speed), wholeText(*limit));
}

void AlarmCheck::checkFlow(int flow) {
    const auto k = static_cast<std::size_t>(flow);
    const int rule = 2 + flow;
    if (m_settings.pump.FlowAlarmOn[k] != 1) {
        m_badLimit[static_cast<std::size_t>(rule)] = false;
        return;
    }
    const std::string& limitText = m_settings.pump.FlowAlarmLimit[k];
    const auto limit = ruleLimit(rule, limitText, false);
    const std::string& shown = m_state.StatusText[kFirstFlowEntry + k];
    const auto reading = flowInUnit(shown, m_settings.pump.FlowUnit);
    if (!limit || !reading || *limit < *reading) return;
    m_safety.AlarmState[kAlarmFlow + k] = kTrue;
    m_log.write("F", flow + 1, limitText, shown);
}

std::optional<double> AlarmCheck::ruleLimit(int rule, const std::string& text, bool wholeNumber) {
    const auto value = wholeNumber ? wholeValue(text) : numberValue(text);
    bool& bad = m_badLimit[static_cast<std::size_t>(rule)];
    if (value) {
        bad = false;
        return value;
    }
    if (!bad) {
        bad = true;
        const std::string name =
            rule < 2 ? "Pump " + std::to_string(rule + 1) : "Flow " + std::to_string(rule - 1);
        m_host.logError("FrmMain.mChkAlarm",
                        "The alarm limit of " + name + " is not a number: \"" + text + "\"");
        m_host.showBalloon("The alarm limit of " + name + " (\"" + text +
                               "\") is not a number. This alarm is off until the limit is corrected.",
                           BalloonIcon::Warning, 5);
    }
    return std::nullopt;
}

void AlarmCheck::showTempLook(int channel, AlarmLook look) {
    auto& shown = m_tempLook[static_cast<std::size_t>(channel)];
    if (shown == look) return;
    shown = look;
    m_host.showTempLook(channel, look);
}

void AlarmCheck::showDeviceLook(std::optional<bool>& shown, bool alarm, bool pump, int index) {
    if (shown == alarm) return;
    shown = alarm;
    if (pump)
        m_host.showPumpAlarm(index, alarm);
    else
        m_host.showFlowAlarm(index, alarm);
}

} // namespace vrx
