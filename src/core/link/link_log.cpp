#include "link/link_log.h"

#include <stdexcept>

#include "iface/file_access.h"
#include "text/format.h"

namespace vrx {

void AppendLogLine(const std::string& appDir, const std::string& line, const std::string& name) {
    const std::string path = appDir + name + ".log";
    if (const FileOutcome o = fileAccess().append(path, line + "\r\n"); !o.ok())
        throw std::runtime_error(path + ": " + o.description);
}

std::string reqLogLine(const LocalDateTime& start, int port, std::span<const std::uint8_t> reply) {
    std::string line = formatShortStamp(start) + " COM" + std::to_string(port) + " ";
    for (std::size_t i = 0; i < 39 && i < reply.size(); ++i)
        line += std::to_string(reply[i]) + ",";
    if (reply.size() > 39) line += std::to_string(reply[39]);
    line += '\r';
    return line;
}

} // namespace vrx
