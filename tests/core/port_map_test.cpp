#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "link/port_map.h"

namespace vrx {
namespace {

namespace fs = std::filesystem;

class PortMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vrx-portmap-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "ports");
        std::ofstream(m_dir / "device").put('x');
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void bind(int port, const fs::path& target) {
        fs::create_symlink(target, m_dir / "ports" / ("COM" + std::to_string(port)));
    }
    fs::path m_dir;
};

TEST_F(PortMapTest, DefaultDeviceRanges) {
    PortMap map(m_dir);
    const std::pair<int, const char*> cases[] = {
        {1, "/dev/ttyS0"},
        {32, "/dev/ttyS31"},
        {33, "/dev/ttyUSB0"},
        {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"},
        {96, "/dev/ttyACM31"},
        {97, ""},
        {255, ""},
        {0, ""},
        {256, ""},
        {-1, ""},
    };
    for (const auto& [port, path] : cases) {
        SCOPED_TRACE(port);
        EXPECT_EQ(map.devicePath(port).string(), path);
    }
}

TEST_F(PortMapTest, LinksBindNumbersAndWinOverDefaults) {
    bind(3, m_dir / "device");
    bind(200, m_dir / "device");
    bind(7, m_dir / "gone"); // dangling: bound, but no device
    PortMap map(m_dir);

    EXPECT_EQ(map.devicePath(3), m_dir / "ports" / "COM3");
    EXPECT_EQ(map.devicePath(200), m_dir / "ports" / "COM200");
    EXPECT_EQ(map.devicePath(7), m_dir / "ports" / "COM7");
    EXPECT_TRUE(map.hasDevice(3));
    EXPECT_FALSE(map.hasDevice(7));
    EXPECT_EQ(map.devicePath(4).string(), "/dev/ttyS3");

    map.setRestrictToPortsFolder(true);
    EXPECT_TRUE(map.devicePath(4).empty());
    EXPECT_FALSE(map.hasDevice(4));
    EXPECT_EQ(map.candidatePorts(), (std::vector<int>{3, 200}));
}

TEST_F(PortMapTest, DeviceNamesShowWhereANumberLeads) {
    bind(3, m_dir / "device");
    bind(7, "/dev/pts/9"); // dangling targets still name the device they stand for
    PortMap map(m_dir);
    EXPECT_EQ(map.deviceName(3), (m_dir / "device").string());
    EXPECT_EQ(map.deviceName(7), "/dev/pts/9");
    EXPECT_EQ(map.deviceName(33), "/dev/ttyUSB0");
    EXPECT_EQ(map.deviceName(97), "");
    map.setRestrictToPortsFolder(true);
    EXPECT_EQ(map.deviceName(33), "");
}

TEST_F(PortMapTest, CandidatesWithoutPortsFolder) {
    fs::remove_all(m_dir / "ports");
    PortMap map(m_dir);
    map.setRestrictToPortsFolder(true);
    EXPECT_TRUE(map.candidatePorts().empty());

    map.setRestrictToPortsFolder(false);
    for (int port : map.candidatePorts())
        EXPECT_TRUE(fs::exists(map.devicePath(port))) << port;
}

} // namespace
} // namespace vrx
