#pragma once
// Serial port numbers 1..255 to device paths. A link <AppDir>/ports/COM<n> binds any device or
// pseudo-terminal to number n; otherwise COM1..32 are /dev/ttyS0..31, COM33..64 /dev/ttyUSB0..31
// and COM65..96 /dev/ttyACM0..31.
#include <filesystem>
#include <string>
#include <vector>

namespace vrx {

class PortMap {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 255;

    explicit PortMap(std::filesystem::path appDir);

    // Only the links of the ports folder count: the machine's own serial devices are never
    // reached (tests and the simulator use this).
    void setRestrictToPortsFolder(bool restrict) { m_restrict = restrict; }
    bool restrictedToPortsFolder() const { return m_restrict; }

    std::filesystem::path portsFolder() const { return m_appDir / "ports"; }

    // The device path of port n; empty when the number has none. A link that is present wins
    // even when its target is gone, so a bound number never falls back to another device.
    std::filesystem::path devicePath(int port) const;

    // What a user recognises port n by: the target of its link in the ports folder, else its
    // device path; empty when the number has none.
    std::string deviceName(int port) const;

    // Whether port n has a device that exists right now.
    bool hasDevice(int port) const;

    // Ascending numbers 1..255 that have an existing device: the only ones worth opening.
    std::vector<int> candidatePorts() const;

private:
    std::filesystem::path m_appDir;
    bool m_restrict = false;
};

} // namespace vrx
