// Cost of one live-graph second: the tick that scrolls every channel, then the temperature group's
// segments on a full board with every channel drawn.
#include <benchmark/benchmark.h>

#include "recording/live_graph.h"

namespace {

using namespace vrx;

void BM_GraphTickAndDrawTemperatures(benchmark::State& bs) {
    Settings settings;
    SetDefaults(settings, "/nonexistent-vrx-bench/");
    settings.sys.BoardType = 2;
    settings.sys.CycleMode = GroupTemperature;
    settings.temp.TempGraphOn.fill(1);
    ControllerState controller;
    for (int b = 2; b <= 11; ++b)
        controller.StatusBytes[static_cast<std::size_t>(b)] = static_cast<std::int16_t>(90 + b);
    for (int b = 12; b <= 19; ++b)
        controller.StatusBytes[static_cast<std::size_t>(b)] = 100;
    controller.StatusText[20] = controller.StatusText[21] = "2.5";
    LiveGraph graph;
    graph.reset(settings);
    for (int i = 0; i < kGraphSamples; ++i)
        graph.TimerGraph_Timer(settings, controller);
    for (auto _ : bs) {
        graph.TimerGraph_Timer(settings, controller);
        auto lines = graph.mDrawGraph(graph.cycleCurrent(), settings);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_GraphTickAndDrawTemperatures);

} // namespace
