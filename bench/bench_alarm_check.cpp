// Cost of one alarm check: a full board with temperature, pump and flow channels in alarm, sound
// files on some channels, the log written each tick.
#include <benchmark/benchmark.h>

#include "core/alarm_rig.h"

namespace {

using namespace vrx;

void BM_ChkAlarmChannelsInAlarm(benchmark::State& bs) {
    test::AlarmRig rig;
    for (int c = 0; c < 10; c += 2)
        rig.temp(c, 60 + c);
    rig.s.temp.TempWavFile[0] = "/snd/a.wav";
    rig.s.temp.TempWavFile[4] = "/snd/b.wav";
    rig.sound.playableFiles = {"/snd/a.wav", "/snd/b.wav"};
    rig.s.pump.PumpAlarmOn = {1, 1};
    rig.s.pump.FlowAlarmOn = {1, 1};
    rig.s.pump.FlowUnit = 2;
    rig.s.pump.FlowAlarmLimit = {"0.60", "0.60"};
    rig.state.StatusText[st::PumpTach] = "1,500";
    rig.state.StatusText[st::FlowCount + 1] = "1.9"; // 0.50 GPM
    for (auto _ : bs) {
        rig.check.mChkAlarm();
        rig.sound.calls.clear();
        rig.sound.lookedUp.clear();
        benchmark::DoNotOptimize(rig.state.ControlBytes);
    }
}
BENCHMARK(BM_ChkAlarmChannelsInAlarm);

} // namespace
