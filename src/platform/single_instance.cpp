#include "single_instance.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vrx {

SingleInstance::SingleInstance(const std::string& lockPath) {
    // The lock file is never written, so a second start leaves no trace in the folder. O_NONBLOCK:
    // a FIFO under the lock's name must not hold the start up.
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = std::strerror(errno);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            m_heldElsewhere = true;
        else
            m_error = std::strerror(err);
        return;
    }
    m_fd = fd;
}

SingleInstance::~SingleInstance() {
    if (m_fd >= 0) ::close(m_fd);
}

} // namespace vrx
