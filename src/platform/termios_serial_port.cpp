#include "termios_serial_port.h"

#include <cctype>
#include <chrono>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vrx {

namespace {

// A full control frame leaves in about 10 ms at 38400 baud; a line that takes a second to accept
// a few dozen bytes is stuck.
constexpr int kWriteTimeoutMs = 1000;

std::string systemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

struct LineSettings {
    long baud = 38400;
    speed_t speed = B38400;
    char parity = 'n';
    int dataBits = 8;
    int stopBits = 1;
};

speed_t speedOf(long baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

LineSettings parseLineSettings(const std::string& text) {
    std::istringstream in(text);
    std::string baud, parity, data, stop;
    std::getline(in, baud, ',');
    std::getline(in, parity, ',');
    std::getline(in, data, ',');
    std::getline(in, stop, ',');
    LineSettings line;
    try {
        line.baud = std::stol(baud);
        line.speed = speedOf(line.baud);
        line.parity = parity.size() == 1 ? static_cast<char>(std::tolower(parity[0])) : '?';
        line.dataBits = std::stoi(data);
        line.stopBits = std::stoi(stop);
    } catch (const std::exception&) {
        throw SerialError("invalid line settings \"" + text + "\"");
    }
    const bool parityOk = line.parity == 'n' || line.parity == 'e' || line.parity == 'o';
    if (line.speed == B0 || !parityOk || line.dataBits < 5 || line.dataBits > 8 ||
        (line.stopBits != 1 && line.stopBits != 2)) {
        throw SerialError("invalid line settings \"" + text + "\"");
    }
    return line;
}

tcflag_t dataBitsFlag(int bits) {
    switch (bits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

} // namespace

TermiosSerialPort::TermiosSerialPort(const PortMap& ports) : m_ports(ports) {}

TermiosSerialPort::~TermiosSerialPort() {
    close();
}

void TermiosSerialPort::setLineSettings(const std::string& settings) {
    parseLineSettings(settings); // reject a bad text now, not at the next open
    m_settings = settings;
}

void TermiosSerialPort::setPortNumber(int port) {
    m_port = port;
}

std::string TermiosSerialPort::portName() const {
    return "COM" + std::to_string(m_port);
}

void TermiosSerialPort::open() {
    if (isOpen()) throw SerialError(portName() + " is already open");
    const std::filesystem::path path = m_ports.devicePath(m_port);
    if (path.empty()) throw SerialError(portName() + " does not exist");

    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENXIO || errno == ENODEV)
            throw SerialError(portName() + " does not exist (" + path.string() + ")");
        if (errno == EBUSY) throw SerialError(portName() + " is busy (" + path.string() + ")");
        if (errno == EACCES || errno == EPERM)
            throw SerialAccessDenied(systemError(portName() + " cannot be opened (" + path.string() + ")"));
        throw SerialError(systemError(portName() + " cannot be opened (" + path.string() + ")"));
    }
    // Another program holding the lock, or exclusive mode, means the port is in use.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        throw SerialError(portName() + " is busy (" + path.string() + ")");
    }
    m_fd = fd;
    try {
        configureLine(path.string());
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

void TermiosSerialPort::configureLine(const std::string& path) {
    const LineSettings line = parseLineSettings(m_settings);
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0)
        throw SerialError(systemError(portName() + " is not a serial port (" + path + ")"));
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= dataBitsFlag(line.dataBits) | CLOCAL | CREAD;
    if (line.parity != 'n') tio.c_cflag |= PARENB;
    if (line.parity == 'o') tio.c_cflag |= PARODD;
    if (line.stopBits == 2) tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, line.speed) != 0 || ::cfsetospeed(&tio, line.speed) != 0 ||
        ::tcsetattr(m_fd, TCSANOW, &tio) != 0) {
        throw SerialError(systemError(portName() + " line settings failed"));
    }
    if (::ioctl(m_fd, TIOCEXCL) != 0) throw SerialError(systemError(portName() + " exclusive mode failed"));
    m_baud = static_cast<int>(line.baud);
}

void TermiosSerialPort::close() {
    if (!isOpen()) return;
    // Exclusive mode outlives this descriptor when others still hold the tty; drop it first.
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd); // also releases the lock
    m_fd = -1;
}

void TermiosSerialPort::requireOpen(const char* operation) const {
    if (!isOpen()) throw SerialError(std::string(operation) + ": " + portName() + " is not open");
}

int TermiosSerialPort::bytesWaiting() {
    requireOpen("bytes waiting");
    int count = 0;
    if (::ioctl(m_fd, FIONREAD, &count) != 0) throw SerialError(systemError(portName() + " bytes waiting"));
    return count;
}

Bytes TermiosSerialPort::readAll() {
    requireOpen("read");
    Bytes data;
    std::uint8_t buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            data.insert(data.end(), buffer, buffer + n);
            continue;
        }
        if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) break;
        if (errno == EINTR) continue;
        throw SerialError(systemError(portName() + " read"));
    }
    return data;
}

void TermiosSerialPort::write(const Bytes& data) {
    requireOpen("write");
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::write(m_fd, data.data() + sent, data.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            throw SerialError(systemError(portName() + " write"));
        // The output queue is full: wait for room, but never for long.
        pollfd pfd{m_fd, POLLOUT, 0};
        const int ready = ::poll(&pfd, 1, kWriteTimeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0 || (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0)
            throw SerialError(portName() + " write timed out");
    }
}

void TermiosSerialPort::discardInput() {
    if (!isOpen()) return;
    if (::tcflush(m_fd, TCIFLUSH) != 0) throw SerialError(systemError(portName() + " discard input"));
}

void TermiosSerialPort::discardOutput() {
    if (!isOpen()) return;
    if (::tcflush(m_fd, TCOFLUSH) != 0) throw SerialError(systemError(portName() + " discard output"));
}

void TermiosSerialPort::drainOutput() {
    requireOpen("drain output");
    // tcdrain() could wait without end on a stalled line; poll the queue for a bounded time
    // instead: 40 bytes of 10 bits each, rounded up to whole milliseconds.
    const auto bound = std::chrono::milliseconds(400 * 1000 / m_baud + 1);
    const auto end = std::chrono::steady_clock::now() + bound;
    for (;;) {
        int queued = 0;
        if (::ioctl(m_fd, TIOCOUTQ, &queued) != 0) throw SerialError(systemError(portName() + " drain output"));
        if (queued <= 0 || std::chrono::steady_clock::now() >= end) return;
        ::poll(nullptr, 0, 1);
    }
}

} // namespace vrx
