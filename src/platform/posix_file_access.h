#pragma once
#include "iface/file_access.h"

namespace vrx {

// The program's files through POSIX calls. The type is checked before a file is opened, so a
// device is never opened at all (opening a serial line alone can change its control lines), and
// again on the open descriptor, which O_NONBLOCK keeps from waiting on a FIFO put there meanwhile.
class PosixFileAccess final : public FileAccess {
public:
    FileOutcome read(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    FileOutcome append(const std::string& path, std::string_view bytes) override;
    FileOutcome write(const std::string& path, std::string_view bytes) override;
    FileOutcome checkWritable(const std::string& path) override;
};

} // namespace vrx
