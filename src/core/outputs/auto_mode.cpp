#include "outputs/auto_mode.h"

#include "link/status_frame.h"
#include "measure/temperature.h"
#include "text/format.h"

namespace vrx {

namespace {
constexpr const char* kChkAutoPw = "FrmMain.mChkAutoPw";

int pumpByteOfPercent(int percent) {
    return static_cast<int>(roundHalfEven(percent * 31.0 / 100.0));
}
} // namespace

int& AutoMode::flag(OutputKind kind, int unit) {
    return kind == OutputKind::Fan ? FanHystUpper.at(static_cast<std::size_t>(unit))
                                   : PumpHystUpper.at(static_cast<std::size_t>(unit));
}

int AutoMode::hysteresisFlag(OutputKind kind, int unit) const {
    return kind == OutputKind::Fan ? FanHystUpper.at(static_cast<std::size_t>(unit))
                                   : PumpHystUpper.at(static_cast<std::size_t>(unit));
}

// A channel the controller type does not have reads as no sensor.
bool AutoMode::channelExists(int channel) const {
    return channel >= 0 && channel <= 9 && channel <= 5 * m_settings.sys.BoardType - 1;
}

int AutoMode::mAutoPw(OutputKind kind, int channel, int unit) {
    const AutoCurve curve = autoCurve(m_settings, kind, unit);
    const int code = channelExists(channel) ? m_state.StatusBytes[st::Temp + static_cast<std::size_t>(channel)]
                                            : kSensorOpenCode;
    return evaluate(kind, unit, curve, code);
}

int AutoMode::evaluate(OutputKind kind, int unit, const AutoCurve& c, int code) {
    // Without a reading (no sensor, or no frame since the link came up) the output runs at the
    // curve's top: never slow a pump or fan blindly.
    if (!isValidTempCode(code)) return c.power[2];
    int& h = flag(kind, unit);
    const int t = code - kTempCodeOffset;
    if (t <= c.temp[0]) {
        h = 0;
        return c.power[0];
    }
    if (t < c.temp[1]) {
        if (c.noHysteresis) return c.power[0];
        return h == -1 ? c.power[1] : c.power[0];
    }
    if (t <= c.temp[2]) {
        h = -1;
        // T1 = T2 only comes from a damaged file; at that point the output is at its top, never off.
        if (c.temp[2] == c.temp[1]) return c.power[2];
        const int product = (c.power[2] - c.power[1]) * (t - c.temp[1]);
        return c.power[1] + static_cast<int>(roundHalfEven(product / static_cast<double>(c.temp[2] - c.temp[1])));
    }
    h = -1;
    return c.power[2];
}

void AutoMode::mChkAutoPw(bool anyAlarm) {
    if (anyAlarm) return; // the alarm response owns the outputs
    const Settings& s = m_settings;
    for (OutputKind kind : {OutputKind::Fan, OutputKind::Pump}) {
        const int outputs = kind == OutputKind::Fan ? kFans : kPumps;
        auto toByte = [kind](int percent) { return kind == OutputKind::Fan ? percent : pumpByteOfPercent(percent); };
        if (groupFlag(s, kind) == 1) {
            if (levelSetting(s, kind, 0) != kLevelAuto) continue;
            const int value = toByte(mAutoPw(kind, autoCurve(s, kind, 0).sensor, 0));
            for (int o = 1; o <= outputs; ++o)
                m_bytes.set(kind, o, value, kChkAutoPw);
        } else {
            for (int o = 1; o <= outputs; ++o) {
                if (levelSetting(s, kind, o) != kLevelAuto) continue;
                m_bytes.set(kind, o, toByte(mAutoPw(kind, autoCurve(s, kind, o).sensor, o)), kChkAutoPw);
            }
        }
    }
}

} // namespace vrx
