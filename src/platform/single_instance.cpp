#include "single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vrx {

SingleInstance::SingleInstance(const std::string& lockPath) {
    // The lock file is never written, so a second start leaves no trace in the folder.
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

SingleInstance::~SingleInstance() {
    if (m_fd >= 0) ::close(m_fd);
}

} // namespace vrx
