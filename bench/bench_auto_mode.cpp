// Cost of one auto-mode tick: every fan and pump in Auto, individual curves, temperatures moving.
#include <benchmark/benchmark.h>

#include "link/control_frame.h"
#include "link/status_frame.h"
#include "outputs/auto_mode.h"

namespace {

using namespace vrx;

void BM_ChkAutoPwAllOutputsInAuto(benchmark::State& bs) {
    Settings s;
    SetDefaults(s, "/tmp/");
    s.sys.BoardType = 2;
    s.fan.FanGroup = 0;
    s.fan.FanLevel.fill(0);
    s.pump.PumpGroup = 0;
    s.pump.PumpLevel.fill(0);
    for (std::size_t e = 0; e < 7; ++e) s.fan.FanAutoSensor[e] = static_cast<Int16>(e);
    ControllerState state;
    InitControlFrame(s, state);
    OutputBytes bytes(state, {});
    AutoMode autoMode(s, state, bytes);
    int t = 0;
    for (auto _ : bs) {
        for (std::size_t c = 0; c < 10; ++c)
            state.StatusBytes[st::Temp + c] = static_cast<std::int16_t>(62 + 20 + (t + static_cast<int>(c) * 7) % 70);
        ++t;
        autoMode.mChkAutoPw(false);
        benchmark::DoNotOptimize(state.ControlBytes);
    }
}
BENCHMARK(BM_ChkAutoPwAllOutputsInAuto);

} // namespace
