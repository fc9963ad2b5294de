// Drawing all four charts of a one-hour recording (every channel on every line) onto their
// surfaces, as a load or a capture does.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "log_chart_widget.h"
#include "recording/log_viewer.h"

namespace {

class Host : public vrx::LogViewerHost {
public:
    void logError(const std::string&, int, const std::string&) override {}
    void saveSystemFile() override {}
};

std::string oneHourFile() {
    std::string file = "06/14/11 3600 17 16 10 06 Y 1111111111 111111 11 11\r\n";
    char line[256];
    for (int n = 1; n <= 3600; ++n) {
        const int s = 9 * 3600 + n - 1;
        int len = std::snprintf(line, sizeof line, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
        for (int c = 0; c < 10; ++c)
            len += std::snprintf(line + len, sizeof line - static_cast<std::size_t>(len), ",%.1f",
                                 30 + 10 * std::sin(n / 100.0 + c));
        for (int c = 0; c < 8; ++c)
            len += std::snprintf(line + len, sizeof line - static_cast<std::size_t>(len), ",%d", 1200 + (n * 7 + c * 300) % 900);
        len += std::snprintf(line + len, sizeof line - static_cast<std::size_t>(len), ",3.50,4.25,%04d\r\n", n);
        file.append(line, static_cast<std::size_t>(len));
    }
    return file;
}

void BM_LogChartsOneHour(benchmark::State& state) {
    vrx::test::FakeFileAccess disk;
    disk.folders = {"/logs/"};
    disk.files["/logs/hour.log"] = oneHourFile();
    vrx::test::FakeDialogs dialogs;
    Host host;
    vrx::Settings s;
    vrx::SetDefaults(s, "/bench/");
    vrx::LogViewer viewer(s, dialogs, host, "/bench/");
    if (!viewer.load("/logs/hour.log")) {
        state.SkipWithError("the one-hour file did not load");
        return;
    }
    constexpr int tpp = 15;
    QImage image(vrx::gui::kSurfaceWidthTwips / tpp, vrx::gui::kSurfaceHeightTwips / tpp,
                 QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int c = 0; c < vrx::kLogCharts; ++c) {
            QPainter p(&image);
            p.scale(1.0 / tpp, 1.0 / tpp);
            vrx::gui::drawLogSurface(p, viewer, static_cast<vrx::LogChart>(c), tpp);
        }
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_LogChartsOneHour)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
