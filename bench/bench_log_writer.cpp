// Cost of one recording tick: every channel recorded, readings present, one-hour files, written to
// an in-memory disk so the figure is the formatting and bookkeeping, not the drive.
#include <benchmark/benchmark.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "fakes/fake_log_host.h"
#include "measure/status_text.h"
#include "recording/log_writer.h"

namespace {

using namespace vrx;

void BM_TimerLogTickAllChannels(benchmark::State& bs) {
    test::FakeFileAccess disk;
    disk.folders.insert("/bench/Logs/");
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeLogHost host;
    Settings s;
    SetDefaults(s, "/bench/");
    s.sys.BoardType = 2;
    ControllerState state;
    for (std::size_t i = 0; i < 10; ++i) state.StatusText[kFirstTempEntry + i] = std::to_string(30 + i);
    for (std::size_t i = 0; i < 8; ++i) state.StatusText[kFirstSpeedEntry + i] = "1,230";
    state.StatusText[kFirstFlowEntry] = state.StatusText[kFirstFlowEntry + 1] = "12.3";
    LogWriter writer(s, state, {clock, dialogs, host});
    writer.mRecording({});
    for (auto _ : bs) {
        clock.advanceMs(1000);
        writer.TimerLog_Timer();
        // Keep the in-memory file from growing without end; the tick's work stays the same.
        if (writer.LogRecordCount() == 0) std::erase_if(disk.files, [&](const auto& f) { return f.first != writer.LogFilePath(); });
    }
    if (!writer.recording()) bs.SkipWithError("recording stopped");
}
BENCHMARK(BM_TimerLogTickAllChannels);

} // namespace
