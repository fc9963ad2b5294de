#pragma once
// The serial port as the link uses it: polled, never event-driven.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vrx {

using Bytes = std::vector<std::uint8_t>;

// Raised by open() for a missing, busy or forbidden port and by I/O on a broken line.
class SerialError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised by open() when the device is there but this user may not open it: not a busy port, and
// the user can fix it.
class SerialAccessDenied : public SerialError {
public:
    using SerialError::SerialError;
};

class SerialPort {
public:
    virtual ~SerialPort() = default;
    // "38400,n,8,1", binary, read returns everything waiting.
    virtual void setLineSettings(const std::string& settings) = 0;
    virtual void setPortNumber(int port) = 0; // 1..255
    virtual int portNumber() const = 0;
    virtual void open() = 0; // throws SerialError
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual int bytesWaiting() = 0;
    virtual Bytes readAll() = 0;
    virtual void write(const Bytes& data) = 0;
    virtual void discardInput() = 0;
    // Throws away bytes still queued for sending; only for a port just opened, never after a write.
    virtual void discardOutput() = 0;
    // Waits until what was written has left the port, for at most the time 40 bytes take on the
    // line; bytes still queued then are kept and sent later, never dropped.
    virtual void drainOutput() = 0;
};

} // namespace vrx
