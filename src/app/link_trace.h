#pragma once
// --trace-link: a serial port that prints every message the program writes, one line each, in
// the simulated controller's own words ("tx control fans=..."), so both ends of a link can be
// compared line by line.
#include <cstdio>

#include "iface/serial_port.h"

namespace vrx {

class TracingSerialPort : public SerialPort {
public:
    TracingSerialPort(SerialPort& port, std::FILE* out) : m_port(port), m_out(out) {}

    void setLineSettings(const std::string& settings) override { m_port.setLineSettings(settings); }
    void setPortNumber(int port) override { m_port.setPortNumber(port); }
    int portNumber() const override { return m_port.portNumber(); }
    void open() override { m_port.open(); }
    void close() override { m_port.close(); }
    bool isOpen() const override { return m_port.isOpen(); }
    int bytesWaiting() override { return m_port.bytesWaiting(); }
    Bytes readAll() override { return m_port.readAll(); }
    void write(const Bytes& data) override;
    void discardInput() override { m_port.discardInput(); }
    void discardOutput() override { m_port.discardOutput(); }
    void drainOutput() override { m_port.drainOutput(); }

private:
    SerialPort& m_port;
    std::FILE* m_out;
};

} // namespace vrx
