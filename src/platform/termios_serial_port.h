#pragma once
// The serial port on a Linux tty device (a real adapter or a pseudo-terminal), in raw mode.
#include "iface/serial_port.h"
#include "link/port_map.h"

namespace vrx {

class TermiosSerialPort : public SerialPort {
public:
    explicit TermiosSerialPort(const PortMap& ports);
    ~TermiosSerialPort() override;
    TermiosSerialPort(const TermiosSerialPort&) = delete;
    TermiosSerialPort& operator=(const TermiosSerialPort&) = delete;

    // "baud,parity,data,stop", e.g. "38400,n,8,1"; applied at the next open().
    void setLineSettings(const std::string& settings) override;
    void setPortNumber(int port) override;
    int portNumber() const override { return m_port; }
    void open() override;
    void close() override;
    bool isOpen() const override { return m_fd >= 0; }
    int bytesWaiting() override;
    Bytes readAll() override;
    void write(const Bytes& data) override;
    // Discarding on a closed port has nothing to do and is not an error: the probe discards
    // before it opens.
    void discardInput() override;
    void discardOutput() override;
    void drainOutput() override;

private:
    void configureLine(const std::string& path);
    void requireOpen(const char* operation) const;
    std::string portName() const;

    const PortMap& m_ports;
    std::string m_settings = "38400,n,8,1";
    int m_baud = 38400; // of the open line, for the drain bound
    int m_port = 1;
    int m_fd = -1;
};

} // namespace vrx
