#pragma once
// Named shared memory as POSIX objects (/dev/shm/<name>), readable by other programs.
#include <string>

#include "iface/shared_memory.h"

namespace vrx {

class PosixSharedMemory : public SharedMemory {
public:
    PosixSharedMemory() = default;
    PosixSharedMemory(const PosixSharedMemory&) = delete;
    PosixSharedMemory& operator=(const PosixSharedMemory&) = delete;
    ~PosixSharedMemory() override;

    // The block is created mode 0644 with the given size and kept after each write, so readers
    // find the last report between writes; only unlink() removes it. The block stays mapped
    // between writes (a report goes out every second), as long as its name and size stay and the
    // name still refers to it (another program may have removed it).
    bool write(const std::string& name, std::size_t blockSize, const std::uint8_t* data,
               std::size_t length) override;
    void unlink(const std::string& name) override;

private:
    void unmap();

    std::string m_name;
    std::size_t m_size = 0;
    void* m_view = nullptr;
    unsigned long m_inode = 0;
};

} // namespace vrx
