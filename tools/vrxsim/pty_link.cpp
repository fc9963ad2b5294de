#include "vrxsim/pty_link.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace vrxsim {
namespace fs = std::filesystem;

namespace {

std::runtime_error sysError(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

bool isOurKindOfTarget(const fs::path& link) {
    // Only a dangling link or one to a pty is ours to replace; a link to a real device is a
    // user's binding and stays.
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    if (ec) return false;
    if (!fs::exists(link, ec)) return true;
    return target.string().rfind("/dev/pts/", 0) == 0;
}

} // namespace

PtyLink::PtyLink(std::string appDir, int port)
    : m_appDir(std::move(appDir)), m_port(port),
      m_link((fs::path(m_appDir) / "ports" / ("COM" + std::to_string(port))).string()) {}

PtyLink::~PtyLink() {
    close();
}

void PtyLink::open() {
    close();
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        throw sysError("cannot open a pseudo-terminal");
    }
    m_device = name;

    termios t{};
    ::tcgetattr(m_slave, &t);
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B38400);
    ::cfsetospeed(&t, B38400);
    t.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(m_slave, TCSANOW, &t);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);

    try {
        placeLink();
    } catch (...) {
        close();
        throw;
    }
}

void PtyLink::placeLink() {
    const fs::path link(m_link);
    std::error_code ec;
    fs::create_directories(link.parent_path(), ec);
    if (ec) throw std::runtime_error("cannot create " + link.parent_path().string() + ": " + ec.message());

    if (fs::is_symlink(fs::symlink_status(link, ec))) {
        if (!isOurKindOfTarget(link))
            throw std::runtime_error(m_link + " links to " + fs::read_symlink(link, ec).string() +
                                     ", not to a pseudo-terminal; remove it first");
    } else if (fs::exists(fs::symlink_status(link, ec))) {
        throw std::runtime_error(m_link + " exists and is not a link; remove it first");
    }

    // Link under a temporary name, then rename over the old one, so the name never points nowhere.
    const fs::path temp =
        link.parent_path() / (".COM" + std::to_string(m_port) + "." + std::to_string(::getpid()));
    fs::remove(temp, ec);
    fs::create_symlink(m_device, temp, ec);
    if (ec) throw std::runtime_error("cannot link " + temp.string() + ": " + ec.message());
    fs::rename(temp, link, ec);
    if (ec) {
        fs::remove(temp);
        throw std::runtime_error("cannot link " + m_link + ": " + ec.message());
    }
}

void PtyLink::close() {
    if (m_master < 0) return;
    std::error_code ec;
    // Another simulator may have taken the name since; its link is not ours to remove.
    if (fs::read_symlink(m_link, ec) == fs::path(m_device) && !ec) fs::remove(m_link, ec);
    ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
    m_master = m_slave = -1;
}

std::size_t PtyLink::read(std::uint8_t* buffer, std::size_t capacity) {
    if (m_master < 0) return 0;
    const ssize_t n = ::read(m_master, buffer, capacity);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void PtyLink::write(std::span<const std::uint8_t> bytes) {
    if (m_master < 0) return;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return; // full or broken: the bytes are lost, as on a line nobody listens to
        }
    }
}

} // namespace vrxsim
