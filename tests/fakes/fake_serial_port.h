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
    // Ports that exist but refuse this user.
    std::set<int> denied;
    // Every write that has left the port, in order, with the port it went to. A write first waits
    // in the output buffer, like a UART's; it leaves when the line gets time to send it (the next
    // port operation, a drain, a close, or transmit()), and "discard output" drops it.
    struct Write {
        int port;
        Bytes bytes;
    };
    std::vector<Write> writes;
    std::vector<Write> dropped; // writes lost to "discard output"
    // Called as each write leaves the port, to script a device's answer (e.g. queue a reply).
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
        if (denied.count(m_port)) throw SerialAccessDenied("COM" + std::to_string(m_port) + " cannot be opened: Permission denied");
        if (!present.count(m_port)) throw SerialError("Port not found: COM" + std::to_string(m_port));
        if (busy.count(m_port)) throw SerialError("Port busy: COM" + std::to_string(m_port));
        m_open = true;
        ++opens;
        openedPorts.push_back(m_port);
    }
    void close() override {
        transmit();
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    int bytesWaiting() override {
        requireOpen();
        transmit();
        fail("bytesWaiting");
        return static_cast<int>(m_rx.size());
    }
    Bytes readAll() override {
        requireOpen();
        transmit();
        fail("readAll");
        Bytes out;
        out.swap(m_rx);
        return out;
    }
    void write(const Bytes& data) override {
        requireOpen();
        fail("write");
        m_tx.push_back({m_port, data});
    }
    void discardInput() override {
        requireOpen();
        transmit();
        ++discardInputs;
        m_rx.clear();
    }
    void discardOutput() override {
        requireOpen();
        dropped.insert(dropped.end(), m_tx.begin(), m_tx.end());
        m_tx.clear();
    }
    void drainOutput() override {
        requireOpen();
        transmit();
    }
    // The line sends what waits in the output buffer.
    void transmit() {
        std::vector<Write> leaving;
        leaving.swap(m_tx);
        for (const Write& w : leaving) {
            writes.push_back(w);
            if (onWrite) onWrite(*this, w.port, w.bytes);
        }
    }

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
    std::vector<Write> m_tx;
};

} // namespace vrx::test
