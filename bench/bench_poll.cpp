// Cost of one poll tick with a status frame waiting: read, decode, change check, send decision.
#include <benchmark/benchmark.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_serial_port.h"
#include "link/checksum.h"
#include "link/control_frame.h"
#include "link/link_engine.h"

namespace {

using namespace vrx;

class QuietHost : public LinkHost {
public:
    void logError(const std::string&, int, const std::string&) override {}
    void saveSystemFile() override {}
    void rearrangeLayout() override {}
    void setTimerEnabled(LinkTimer, bool) override {}
    void showLinkState(const LinkStateView&) override {}
    void showBalloon(const std::string&, const std::string&, BalloonIcon, int) override {}
    void statusFrameAccepted(const RawStatusFrame& raw) override { benchmark::DoNotOptimize(raw); }
    void publishReport(const RawStatusFrame& raw, int digit) override {
        benchmark::DoNotOptimize(raw);
        benchmark::DoNotOptimize(digit);
    }
    void displayOff() override {}
    void setVersionLabel(const std::string&) override {}
};

Bytes frame() {
    Bytes f(26, 100);
    f[0] = 223;
    f[1] = 0;
    f[22] = 2;
    f[25] = Checksum8(f.begin(), f.begin() + 25);
    return f;
}

void BM_PollTickWithFrameWaiting(benchmark::State& bs) {
    Settings settings;
    SetDefaults(settings, "/nonexistent-vrx-bench/");
    ControllerState controller;
    InitControlFrame(settings, controller);
    test::FakeSerialPort port;
    port.present = {1};
    test::FakeClock clock;
    QuietHost host;
    LinkEngine engine(settings, controller, port, clock, host, "/nonexistent-vrx-bench/");
    engine.ResetLinkState();
    settings.sys.ComPort = 1;
    port.setPortNumber(1);
    port.open();
    const Bytes f = frame();
    for (auto _ : bs) {
        port.arrive(f);
        engine.TimerCom_Timer();
        if (port.writes.size() > 1000) port.writes.clear();
    }
    if (settings.sys.ComPort != 1) bs.SkipWithError("the link dropped");
}
BENCHMARK(BM_PollTickWithFrameWaiting);

} // namespace
