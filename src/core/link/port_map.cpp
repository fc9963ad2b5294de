#include "link/port_map.h"

#include <system_error>
#include <utility>

namespace vrx {

namespace {
struct DeviceRange {
    int firstPort;
    const char* prefix;
};
constexpr int kRangeLength = 32;
constexpr DeviceRange kRanges[] = {{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}};
} // namespace

PortMap::PortMap(std::filesystem::path appDir) : m_appDir(std::move(appDir)) {}

std::filesystem::path PortMap::devicePath(int port) const {
    if (port < kFirstPort || port > kLastPort) return {};
    std::error_code ec;
    const std::filesystem::path link = portsFolder() / ("COM" + std::to_string(port));
    if (std::filesystem::exists(std::filesystem::symlink_status(link, ec))) return link;
    if (m_restrict) return {};
    for (const DeviceRange& range : kRanges) {
        const int index = port - range.firstPort;
        if (index >= 0 && index < kRangeLength) return range.prefix + std::to_string(index);
    }
    return {};
}

std::string PortMap::deviceName(int port) const {
    const std::filesystem::path path = devicePath(port);
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_symlink(path, ec)) return path.string();
    const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    return ec ? path.string() : target.string();
}

bool PortMap::hasDevice(int port) const {
    const std::filesystem::path path = devicePath(port);
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::vector<int> PortMap::candidatePorts() const {
    std::vector<int> ports;
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        if (hasDevice(port)) ports.push_back(port);
    }
    return ports;
}

} // namespace vrx
