// Loading a one-hour recording with every channel recorded and every reading present: the parse
// from bytes to the model, without the drive.
#include <benchmark/benchmark.h>

#include "measure/status_text.h"
#include "recording/log_format.h"
#include "recording/log_reader.h"

namespace {

using namespace vrx;

std::string oneHourFile() {
    Settings s;
    SetDefaults(s, "/bench/");
    s.sys.BoardType = 2;
    StatusTextArray text{};
    for (std::size_t i = 0; i < 10; ++i)
        text[kFirstTempEntry + i] = std::to_string(20 + 10 * static_cast<int>(i) - 30);
    for (std::size_t i = 0; i < 8; ++i)
        text[kFirstSpeedEntry + i] = "1,230";
    text[kFirstFlowEntry] = "1.5";
    text[kFirstFlowEntry + 1] = "12.3";
    LocalDateTime t{2026, 12, 8, 0, 0, 0};
    std::string file = *buildLogHeader(s, t, kLogMaxLines);
    for (int n = 1; n <= kLogMaxLines; ++n) {
        t.hour = n / 3600, t.minute = n / 60 % 60, t.second = n % 60;
        file += *buildLogLine(s, text, t, n);
    }
    return file;
}

void BM_ParseOneHourRecording(benchmark::State& bs) {
    const std::string file = oneHourFile();
    for (auto _ : bs) {
        LogParse p = parseRecording(file);
        if (!p.recording || p.recording->loadedLines() != kLogMaxLines) bs.SkipWithError("not loaded");
        benchmark::DoNotOptimize(p);
    }
    bs.SetBytesProcessed(static_cast<std::int64_t>(bs.iterations()) * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ParseOneHourRecording)->Unit(benchmark::kMillisecond);

} // namespace
