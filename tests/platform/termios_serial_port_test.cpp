#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "platform/termios_serial_port.h"

namespace vrx {
namespace {

namespace fs = std::filesystem;

// A pseudo-terminal bound as COM5 in a private ports folder; the test plays the controller on the
// master side. The port map is restricted, so no real serial device is ever opened.
class TermiosSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vrx-serial-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "ports");
        char name[256] = {};
        ASSERT_EQ(::openpty(&m_master, &m_slave, name, nullptr, nullptr), 0);
        termios tio{};
        ::tcgetattr(m_master, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_master, TCSANOW, &tio);
        fs::create_symlink(name, m_dir / "ports" / "COM5");
        m_map = std::make_unique<PortMap>(m_dir);
        m_map->setRestrictToPortsFolder(true);
    }
    void TearDown() override {
        ::close(m_master);
        ::close(m_slave);
        fs::remove_all(m_dir);
    }

    // Bytes cross a pty asynchronously; give them a moment.
    static bool eventually(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < deadline) {
            if (condition()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return condition();
    }

    void controllerSends(const Bytes& bytes) {
        ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    Bytes controllerReceives(std::size_t count) {
        Bytes got;
        eventually([&] {
            std::uint8_t buffer[256];
            pollfd pfd{m_master, POLLIN, 0};
            if (::poll(&pfd, 1, 0) > 0) {
                const ssize_t n = ::read(m_master, buffer, sizeof buffer);
                if (n > 0) got.insert(got.end(), buffer, buffer + n);
            }
            return got.size() >= count;
        });
        return got;
    }

    fs::path m_dir;
    int m_master = -1;
    int m_slave = -1;
    std::unique_ptr<PortMap> m_map;
};

TEST_F(TermiosSerialPortTest, BytesBothWaysRawAndCounted) {
    TermiosSerialPort port(*m_map);
    port.setPortNumber(5);
    port.open();
    ASSERT_TRUE(port.isOpen());
    EXPECT_EQ(port.bytesWaiting(), 0);
    EXPECT_TRUE(port.readAll().empty());

    // Values a cooked line would mangle: CR, LF, XON/XOFF, Ctrl-C, 0xFF.
    const Bytes frame = {223, 0, 13, 10, 17, 19, 3, 0xFF, 4, 127, 26};
    controllerSends(frame);
    ASSERT_TRUE(eventually([&] { return port.bytesWaiting() == static_cast<int>(frame.size()); }));
    EXPECT_EQ(port.readAll(), frame);
    EXPECT_EQ(port.bytesWaiting(), 0);

    Bytes control(40);
    for (std::size_t i = 0; i < control.size(); ++i)
        control[i] = static_cast<std::uint8_t>(i * 7 + 3);
    control[5] = 10;
    control[6] = 13;
    port.write(control);
    EXPECT_EQ(controllerReceives(control.size()), control);
}

TEST_F(TermiosSerialPortTest, DiscardInputEmptiesTheReceiveBuffer) {
    TermiosSerialPort port(*m_map);
    port.setPortNumber(5);
    port.discardInput(); // closed: nothing to discard
    port.discardOutput();
    port.open();
    controllerSends({1, 2, 3, 4});
    ASSERT_TRUE(eventually([&] { return port.bytesWaiting() == 4; }));
    port.discardInput();
    port.discardOutput();
    EXPECT_EQ(port.bytesWaiting(), 0);
    EXPECT_TRUE(port.readAll().empty());
}

// What the link does after each control frame: nothing written may be lost by settling the line.
TEST_F(TermiosSerialPortTest, DrainingKeepsEveryWrittenFrame) {
    TermiosSerialPort port(*m_map);
    port.setPortNumber(5);
    port.open();
    Bytes all;
    for (std::uint8_t n = 0; n < 10; ++n) {
        const Bytes frame(40, n);
        port.write(frame);
        port.drainOutput();
        port.discardInput();
        all.insert(all.end(), frame.begin(), frame.end());
    }
    EXPECT_EQ(controllerReceives(all.size()), all);
    port.close();
    EXPECT_THROW(port.drainOutput(), SerialError);
}

TEST_F(TermiosSerialPortTest, SecondOpenerFindsThePortBusyUntilClosed) {
    TermiosSerialPort first(*m_map);
    first.setPortNumber(5);
    first.open();

    TermiosSerialPort second(*m_map);
    second.setPortNumber(5);
    try {
        second.open();
        FAIL() << "second open succeeded";
    } catch (const SerialError& e) {
        EXPECT_NE(std::string(e.what()).find("busy"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(second.isOpen());
    EXPECT_THROW(first.open(), SerialError); // already open

    first.close();
    EXPECT_FALSE(first.isOpen());
    second.open(); // exclusive mode was dropped with the first close
    EXPECT_TRUE(second.isOpen());
}

TEST_F(TermiosSerialPortTest, MissingOrUnusablePortsFailToOpen) {
    std::ofstream(m_dir / "plain-file").put('x');
    fs::create_symlink(m_dir / "plain-file", m_dir / "ports" / "COM8");
    fs::create_symlink(m_dir / "gone", m_dir / "ports" / "COM9");

    for (int number : {6, 8, 9, 0, 256}) {
        SCOPED_TRACE(number);
        TermiosSerialPort port(*m_map);
        port.setPortNumber(number);
        EXPECT_THROW(port.open(), SerialError);
        EXPECT_FALSE(port.isOpen());
        EXPECT_THROW(port.bytesWaiting(), SerialError);
        EXPECT_THROW(port.readAll(), SerialError);
        EXPECT_THROW(port.write({1}), SerialError);
    }
    TermiosSerialPort port(*m_map);
    EXPECT_THROW(port.setLineSettings("38400,x,8,1"), SerialError);
    EXPECT_THROW(port.setLineSettings("fast"), SerialError);
}

} // namespace
} // namespace vrx
