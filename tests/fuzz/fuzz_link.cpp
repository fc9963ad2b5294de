// Random line noise through the poll and the identify probe: nothing may crash, and nothing that
// fails its header or checksum may ever be taken as a status frame or a controller.
#include <cstdlib>
#include <span>

#include "fakes/fake_clock.h"
#include "fakes/fake_serial_port.h"
#include "link/checksum.h"
#include "link/control_frame.h"
#include "link/link_engine.h"

namespace {

using namespace vrx;

void check(bool condition) {
    if (!condition) std::abort();
}

bool validFrame(std::span<const std::uint8_t> f) {
    return f.size() >= 26 && f[0] == 223 && f[1] == 0 && Checksum8(f.begin(), f.begin() + 25) == f[25];
}

class CheckingHost : public LinkHost {
public:
    void logError(const std::string&, int, const std::string&) override {}
    void saveSystemFile() override {}
    void rearrangeLayout() override {}
    void setTimerEnabled(LinkTimer, bool) override {}
    void showLinkState(const LinkStateView& v) override { state = v.state; }
    void showBalloon(const std::string&, const std::string&, BalloonIcon, int) override {}
    void statusFrameAccepted(const RawStatusFrame& raw) override {
        check(validFrame(raw));
        ++accepted;
    }
    void publishReport(const RawStatusFrame& raw, int digit) override {
        check(validFrame(raw) && (digit == 0 || digit == 1));
    }
    void displayOff() override {}
    void setVersionLabel(const std::string&) override {}
    std::string state;
    int accepted = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    Settings settings;
    SetDefaults(settings, "/nonexistent-vrx-fuzz/");
    settings.temp.TempOffset[data[0] % 10] = static_cast<std::int16_t>(static_cast<std::int8_t>(data[1]) * 2);
    ControllerState controller;
    InitControlFrame(settings, controller);
    test::FakeSerialPort port;
    port.present = {1};
    test::FakeClock clock;
    CheckingHost host;
    LinkEngine engine(settings, controller, port, clock, host, "/nonexistent-vrx-fuzz/");
    engine.ResetLinkState();
    engine.setPortCandidates([](int n) { return n == 1; });

    // The probe's reply: the first chunk of input decides whether a controller is taken.
    const std::size_t replyLen = std::min<std::size_t>(size - 2, 40 + data[1] % 8);
    const Bytes reply(data + 2, data + 2 + replyLen);
    engine.state().PreviousComPort = 1;
    engine.startupLink();
    port.arrive(reply);
    for (int i = 0; i < 60 && engine.probePending(); ++i) {
        clock.advanceMs(20);
        engine.probeTick();
    }
    const bool identified = reply.size() >= 40 && (reply[35] == 1 || reply[35] == 2) &&
                            ((reply[0] == 223 && reply[1] == 6) || (reply[0] == 6 && reply[1] == 223) ||
                             (reply[0] == 22 && reply[1] == 36) || (reply[0] == 62 && reply[1] == 23) ||
                             (reply[0] == 2 && reply[1] == 236));
    check((host.state == "ON") == identified);
    if (!identified) {
        // Poll the rest anyway, as a link that was up before.
        settings.sys.ComPort = 1;
        if (!port.isOpen()) port.open();
    }

    // The rest arrives in chunks, one per poll; chunk lengths come from the data itself.
    std::size_t pos = 2 + replyLen;
    while (pos < size && settings.sys.ComPort != 0) {
        const std::size_t want = data[pos++] % 64;
        const std::size_t len = std::min<std::size_t>(size - pos, want);
        const StatusArray before = controller.StatusBytes;
        const int acceptedBefore = host.accepted;
        port.arrive(Bytes(data + pos, data + pos + len));
        if (len > 0 && data[pos] % 7 == 0) controller.ControlBytes[data[pos] % 40] = data[pos + len / 2];
        engine.TimerCom_Timer();
        if (host.accepted == acceptedBefore) check(controller.StatusBytes == before);
        pos += len;
    }
    return 0;
}
