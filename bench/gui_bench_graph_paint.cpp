// One full redraw of the live graph picture: grid plus ten temperature lines, painted into an image.
#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include "live_graph_widget.h"
#include "recording/live_graph.h"
#include "settings/settings_record.h"

namespace {

void BM_GraphPaint(benchmark::State& state) {
    vrx::Settings s;
    vrx::SetDefaults(s, "/bench/");
    s.sys.BoardType = 2;
    vrx::ControllerState st;
    vrx::LiveGraph graph;
    graph.reset(s);
    for (int tick = 0; tick < 61; ++tick) {
        for (std::size_t c = 0; c < 10; ++c) st.StatusBytes[2 + c] = static_cast<std::int16_t>(90 + (tick + 3 * c) % 20);
        graph.TimerGraph_Timer(s, st);
    }
    vrx::gui::LiveGraphWidget widget;
    widget.setTwipsPerPixel(15);
    widget.resize(320, 127);
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        widget.setPicture(vrx::LiveGraph::mGraphLine(s.sys.GraphGridColor), graph.mDrawGraph(1, s));
        widget.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_GraphPaint);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
