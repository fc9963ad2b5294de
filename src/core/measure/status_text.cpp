#include "measure/status_text.h"

#include "measure/flow.h"
#include "measure/temperature.h"
#include "text/format.h"

namespace vrx {

std::string speedText(int code) {
    return formatThousands(static_cast<std::int64_t>(code) * kSpeedUnitRpm);
}

void mChangeData(const Settings& settings, ControllerState& state) {
    for (std::size_t i = kFirstTempEntry; i < kFirstSpeedEntry; ++i) {
        state.StatusText[i] = mPlayTemp(state.StatusBytes[i]);
    }
    for (std::size_t j = kFirstSpeedEntry; j < kFirstFlowEntry; ++j) {
        state.StatusText[j] = speedText(state.StatusBytes[j]);
    }
    for (std::size_t k = kFirstFlowEntry; k <= kLastReadingEntry; ++k) {
        const std::size_t meter = k - kFirstFlowEntry;
        const double lpm =
            flowLpm(state.StatusBytes[k], settings.pump.FlowMeterModel[meter], settings.pump.TubeSize[meter]);
        state.StatusText[k] = formatFixed(lpm, 1);
    }
}

void clearReadingTexts(ControllerState& state) {
    for (std::size_t i = kFirstTempEntry; i <= kLastReadingEntry; ++i)
        state.StatusText[i].clear();
}

} // namespace vrx
