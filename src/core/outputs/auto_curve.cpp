#include "outputs/auto_curve.h"

namespace vrx {

namespace {
// The eight fields of one entry, in the order of AutoCurve, so reading and writing share one map.
template <class S> auto curveFields(S& s, OutputKind kind, int entry) {
    const auto e = static_cast<std::size_t>(entry);
    using Ref = decltype(&s.fan.FanAutoSensor.at(e));
    if (kind == OutputKind::Fan) {
        auto& f = s.fan;
        return std::array<Ref, 8>{&f.FanAutoSensor.at(e),    &f.FanAutoTempLow.at(e),
                                  &f.FanAutoTempMid.at(e),   &f.FanAutoTempHigh.at(e),
                                  &f.FanAutoLevelLow.at(e),  &f.FanAutoLevelMid.at(e),
                                  &f.FanAutoLevelHigh.at(e), &f.FanNoHysteresis.at(e)};
    }
    auto& p = s.pump;
    return std::array<Ref, 8>{&p.PumpAutoSensor.at(e),    &p.PumpAutoTempLow.at(e),
                              &p.PumpAutoTempMid.at(e),   &p.PumpAutoTempHigh.at(e),
                              &p.PumpAutoLevelLow.at(e),  &p.PumpAutoLevelMid.at(e),
                              &p.PumpAutoLevelHigh.at(e), &p.PumpNoHysteresis.at(e)};
}
} // namespace

AutoCurve autoCurve(const Settings& s, OutputKind kind, int entry) {
    const auto f = curveFields(s, kind, entry);
    AutoCurve c;
    c.sensor = *f[0];
    c.temp = {*f[1], *f[2], *f[3]};
    c.power = {*f[4], *f[5], *f[6]};
    c.noHysteresis = *f[7] != 0;
    return c;
}

void setAutoCurve(Settings& s, OutputKind kind, int entry, const AutoCurve& curve) {
    const auto f = curveFields(s, kind, entry);
    const std::array<int, 8> values = {
        curve.sensor,   curve.temp[0],  curve.temp[1],  curve.temp[2],
        curve.power[0], curve.power[1], curve.power[2], curve.noHysteresis ? 1 : 0};
    for (std::size_t i = 0; i < values.size(); ++i)
        *f[i] = static_cast<Int16>(values[i]);
}

} // namespace vrx
