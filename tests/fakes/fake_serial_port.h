#pragma once
// An in-memory serial port: records what is written, delivers scripted bytes, and fails on demand.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "iface/serial_port.h"

namespace vrx::test {

class FakeSerialPort : public SerialPort {
public:
    // Ports that open; every other number behaves like a missing device.
    std::set<int> present;
    // Ports that exist but are held by someone else.
    std::set<int> busy;
    // Every write, in order, with the port it went to.
    struct Write {
        int port;
        Bytes bytes;
    };
    std::vector<Write> writes;
    // Called after each write, to script a device's answer (e.g. queue a reply).
    std::function<void(FakeSerialPort&, int port, const Bytes&)> onWrite;
    // The next operation of this name throws SerialError: "bytesWaiting", "readAll", "write", "open".
    std::set<std::string> failNext;

    int opens = 0;
    std::vector<int> openedPorts; // every successful open, in order
    int discardInputs = 0;

    // Bytes that are waiting to be read now.
    void arrive(const Bytes& bytes) { m_rx.insert(m_rx.end(), bytes.begin(), bytes.end()); }
    template <typename Range> void arriveRange(const Range& r) { arrive(Bytes(std::begin(r), std::end(r))); }
    const Bytes& waiting() const { return m_rx; }

    void setLineSettings(const std::string& settings) override { lineSettings = settings; }
    void setPortNumber(int port) override { m_port = port; }
    int portNumber() const override { return m_port; }
    void open() override {
        fail("open");
        if (m_open) throw SerialError("Port already open");
        if (!present.count(m_port)) throw SerialError("Port not found: COM" + std::to_string(m_port));
        if (busy.count(m_port)) throw SerialError("Port busy: COM" + std::to_string(m_port));
        m_open = true;
        ++opens;
        openedPorts.push_back(m_port);
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    int bytesWaiting() override {
        requireOpen();
        fail("bytesWaiting");
        return static_cast<int>(m_rx.size());
    }
    Bytes readAll() override {
        requireOpen();
        fail("readAll");
        Bytes out;
        out.swap(m_rx);
        return out;
    }
    void write(const Bytes& data) override {
        requireOpen();
        fail("write");
        writes.push_back({m_port, data});
        if (onWrite) onWrite(*this, m_port, data);
    }
    void discardInput() override {
        requireOpen();
        ++discardInputs;
        m_rx.clear();
    }
    void discardOutput() override { requireOpen(); }

    std::string lineSettings;

private:
    void requireOpen() const {
        if (!m_open) throw SerialError("Port is not open");
    }
    void fail(const std::string& op) {
        if (failNext.erase(op)) throw SerialError("Injected failure: " + op);
    }

    int m_port = 0;
    bool m_open = false;
    Bytes m_rx;
};

} // namespace vrx::test
