#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace vrx {

// A named block other programs can read. write() copies bytes to the start of the block.
class SharedMemory {
public:
    virtual ~SharedMemory() = default;
    // False when the block cannot be opened or created; nothing is written then.
    virtual bool write(const std::string& name, std::size_t blockSize, const std::uint8_t* data,
                       std::size_t length) = 0;
    // Drops the block so readers no longer find it.
    virtual void unlink(const std::string& name) = 0;
};

} // namespace vrx
