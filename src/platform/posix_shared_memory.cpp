#include "posix_shared_memory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrx {

namespace {
constexpr mode_t kBlockMode = 0644;

// Opens the block, creating it at full size when it is new. -1 when neither works.
int openBlock(const std::string& name, std::size_t blockSize) {
    int fd = ::shm_open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kBlockMode);
    if (fd >= 0) {
        // The umask must not hide the readings from readers of other users.
        ::fchmod(fd, kBlockMode);
        if (::ftruncate(fd, static_cast<off_t>(blockSize)) != 0) {
            ::close(fd);
            ::shm_unlink(name.c_str());
            return -1;
        }
        return fd;
    }
    if (errno != EEXIST) return -1;
    fd = ::shm_open(name.c_str(), O_RDWR | O_CLOEXEC, kBlockMode);
    if (fd < 0) return -1;
    // A block left smaller than ours (by a crash between create and size) is grown; a larger one
    // is left as its creator made it.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || (static_cast<std::size_t>(st.st_size) < blockSize &&
                                  ::ftruncate(fd, static_cast<off_t>(blockSize)) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether the name still leads to the block with this inode (one stat, no mapping). Names of
// POSIX shared memory are files under /dev/shm on Linux.
bool stillNamed(const std::string& name, unsigned long inode) {
    struct stat st {};
    return ::stat(("/dev/shm" + name).c_str(), &st) == 0 && st.st_ino == inode;
}
} // namespace

PosixSharedMemory::~PosixSharedMemory() { unmap(); }

void PosixSharedMemory::unmap() {
    if (m_view != nullptr) ::munmap(m_view, m_size);
    m_view = nullptr;
    m_name.clear();
    m_size = 0;
}

bool PosixSharedMemory::write(const std::string& name, std::size_t blockSize, const std::uint8_t* data,
                              std::size_t length) {
    if (length > blockSize) return false;
    if (m_view == nullptr || name != m_name || blockSize != m_size || !stillNamed(name, m_inode)) {
        unmap();
        const int fd = openBlock(name, blockSize);
        if (fd < 0) return false;
        struct stat st {};
        void* view = ::fstat(fd, &st) == 0
                         ? ::mmap(nullptr, blockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                         : MAP_FAILED;
        ::close(fd); // the mapping keeps the block reachable
        if (view == MAP_FAILED) return false;
        m_view = view;
        m_name = name;
        m_size = blockSize;
        m_inode = st.st_ino;
    }
    if (length > 0) std::memcpy(m_view, data, length);
    return true;
}

void PosixSharedMemory::unlink(const std::string& name) {
    if (name == m_name) unmap();
    ::shm_unlink(name.c_str());
}

} // namespace vrx
