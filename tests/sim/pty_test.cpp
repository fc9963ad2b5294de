#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "vrxsim/simulator_runner.h"

namespace vrxsim {
namespace {
namespace fs = std::filesystem;

class TempDir {
public:
    TempDir() {
        char tmpl[] = "/tmp/vrxsim_test_XXXXXX";
        m_path = ::mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(m_path); }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// Reads exactly n bytes or gives up after `timeout` seconds.
std::vector<std::uint8_t> readBytes(int fd, std::size_t n, double timeout) {
    std::vector<std::uint8_t> out;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    while (out.size() < n && std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        std::uint8_t buf[64];
        const ssize_t got = ::read(fd, buf, std::min(sizeof buf, n - out.size()));
        if (got > 0) out.insert(out.end(), buf, buf + got);
    }
    return out;
}

TEST(PtyRunner, AnswersIdentifyAndStreamsOverTheLinkedPort) {
    TempDir dir;
    const fs::path link = dir.path() / "ports" / "COM7";
    fs::create_directories(link.parent_path());
    fs::create_symlink("/dev/pts/does-not-exist", link); // stale, from a run that was killed

    SimulatorRunner runner;
    SimOptions o;
    o.appDir = dir.path().string();
    o.port = 7;
    o.boardType = 1;
    runner.start(o);
    ASSERT_TRUE(fs::is_symlink(link));

    const int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const std::uint8_t identify[] = {207, 3, 210};
    ASSERT_EQ(::write(fd, identify, 3), 3);

    const auto reply = readBytes(fd, 40, 1.0);
    ASSERT_EQ(reply.size(), 40u);
    EXPECT_EQ(reply[0], 223);
    EXPECT_EQ(reply[1], 6);
    EXPECT_EQ(reply[35], 1);

    const auto status = readBytes(fd, 26, 1.5);
    ASSERT_EQ(status.size(), 26u);
    EXPECT_EQ(status[0], 223);
    EXPECT_EQ(status[1], 0);
    EXPECT_EQ(status[22], 1);
    ::close(fd);

    runner.stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link goes with the simulator";
}

TEST(PtyRunner, LeavesALinkToARealDeviceAlone) {
    TempDir dir;
    const fs::path link = dir.path() / "ports" / "COM1";
    fs::create_directories(link.parent_path());
    fs::create_symlink("/dev/null", link); // a user's own binding

    SimulatorRunner runner;
    SimOptions o;
    o.appDir = dir.path().string();
    EXPECT_THROW(runner.start(o), std::runtime_error);
    EXPECT_EQ(fs::read_symlink(link), fs::path("/dev/null"));
    EXPECT_FALSE(runner.running());
}

} // namespace
} // namespace vrxsim
