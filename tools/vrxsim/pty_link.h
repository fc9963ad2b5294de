#pragma once
// A pseudo-terminal in raw mode, linked as <appDir>/ports/COM<n> so the program finds it like
// any bound port.
#include <cstdint>
#include <span>
#include <string>

namespace vrxsim {

class PtyLink {
public:
    PtyLink(std::string appDir, int port);
    ~PtyLink();
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    // Opens a new pty and links it; throws std::runtime_error when either fails.
    void open();
    // Closes the pty and removes the link if it still points at our pty.
    void close();
    bool isOpen() const { return m_master >= 0; }

    int masterFd() const { return m_master; }
    const std::string& linkPath() const { return m_link; }
    const std::string& devicePath() const { return m_device; }

    // Non-blocking: bytes the program wrote, or 0 when none are waiting.
    std::size_t read(std::uint8_t* buffer, std::size_t capacity);
    // Non-blocking: bytes nobody reads are dropped once the pty's buffer is full, as on a line.
    void write(std::span<const std::uint8_t> bytes);

private:
    void placeLink();

    std::string m_appDir;
    int m_port;
    std::string m_link;
    std::string m_device;
    int m_master = -1;
    int m_slave = -1; // held open so the raw settings survive a client closing the port
};

} // namespace vrxsim
