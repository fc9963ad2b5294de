#pragma once
// Named shared memory as POSIX objects (/dev/shm/<name>), readable by other programs.
#include "iface/shared_memory.h"

namespace vrx {

class PosixSharedMemory : public SharedMemory {
public:
    // The block is created mode 0644 with the given size and kept after each write, so readers
    // find the last report between writes; only unlink() removes it.
    bool write(const std::string& name, std::size_t blockSize, const std::uint8_t* data,
               std::size_t length) override;
    void unlink(const std::string& name) override;
};

} // namespace vrx
