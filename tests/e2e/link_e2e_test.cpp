#include "e2e/process.h"
#include "fakes/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>

#include <string>

namespace vrx {
namespace {

using namespace std::chrono_literals;

int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

std::string sharedReport() {
    const int fd = ::shm_open("/REZe2Vuz001", O_RDONLY, 0);
    if (fd < 0) return {};
    char buf[186] = {};
    const ssize_t n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

// vrx scans the ports folder only, finds the simulator, sends the full control frame at once,
// keeps the link alive, publishes the report; an unplugged simulator is lost and found again.
TEST(LinkE2E, ScanFindPollLoseAndFindAgain) {
    test::TempDir dir;
    const std::string simOut = dir.file("sim.out");
    test::Process sim(VRXSIM_BIN,
                      {"--app-dir", dir.path().string(), "--port", "3", "--board", "1", "--event", "16 unplug",
                       "--event", "19 replug"},
                      simOut);
    ASSERT_TRUE(test::waitFor([&] { return test::readFile(simOut).find("ready") != std::string::npos; }, 10s));

    test::Process vrx(VRX_BIN, {"--app-dir", dir.path().string(), "--ports-only", "--dry-run-power-off"});
    ASSERT_TRUE(test::waitFor([&] { return test::readFile(simOut).find("rx control") != std::string::npos; }, 15s))
        << test::readFile(simOut);
    const std::string out = test::readFile(simOut);
    // The default frame right after identifying: every fan at 100, both pumps at step 31.
    EXPECT_NE(out.find("rx identify"), std::string::npos);
    EXPECT_NE(out.find("rx control fans=100,100,100,100,100,100 pumps=31,31 beeper=2 poweroff=2"), std::string::npos);
    const std::string req = test::readFile(dir.file("req.log"));
    EXPECT_NE(req.find(" COM3 223,6,"), std::string::npos) << req;

    // Idle: a keep-alive every tenth poll.
    EXPECT_TRUE(test::waitFor([&] { return test::readFile(simOut).find("rx keepalive") != std::string::npos; }, 14s));
    const std::string report = sharedReport();
    ASSERT_GE(report.size(), 186u);
    EXPECT_TRUE(report[0] == '0' || report[0] == '1');
    EXPECT_EQ(report.substr(81, 4), "0001"); // the small controller's type
    EXPECT_EQ(report.substr(93), std::string(93, ' '));

    // Unplugged, then plugged back in: found again by scanning, a second identify.
    EXPECT_TRUE(test::waitFor([&] { return countOf(test::readFile(simOut), "rx identify") >= 2; }, 25s))
        << test::readFile(simOut);
    EXPECT_TRUE(test::waitFor([&] { return countOf(test::readFile(dir.file("req.log")), " COM3 ") >= 2; }, 5s));

    vrx.signal(SIGTERM);
    EXPECT_EQ(vrx.waitExit(10s), 0);
    sim.signal(SIGTERM);
    sim.waitExit(5s);
}

} // namespace
} // namespace vrx
