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
} // namespace

bool PosixSharedMemory::write(const std::string& name, std::size_t blockSize, const std::uint8_t* data,
                              std::size_t length) {
    if (length > blockSize) return false;
    const int fd = openBlock(name, blockSize);
    if (fd < 0) return false;
    void* view = ::mmap(nullptr, blockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd); // the mapping keeps the block reachable
    if (view == MAP_FAILED) return false;
    if (length > 0) std::memcpy(view, data, length);
    ::munmap(view, blockSize);
    return true;
}

void PosixSharedMemory::unlink(const std::string& name) {
    ::shm_unlink(name.c_str());
}

} // namespace vrx
