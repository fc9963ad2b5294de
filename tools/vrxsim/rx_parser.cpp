#include "vrxsim/rx_parser.h"

#include <cstdio>

#include "link/checksum.h"
#include "link/controller_state.h"

namespace vrxsim {
namespace {

constexpr std::uint8_t kCommandHeader = 207;
constexpr std::uint8_t kControlTag = 1, kIdentifyTag = 3, kKeepAliveTag = 7;

std::string hexBytes(const std::vector<std::uint8_t>& bytes, std::size_t limit) {
    std::string s;
    char buf[4];
    for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
        std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
        if (i) s += ' ';
        s += buf;
    }
    if (bytes.size() > limit) s += " ...";
    return s;
}

} // namespace

std::vector<RxMessage> RxParser::feed(std::span<const std::uint8_t> data, double now) {
    std::vector<RxMessage> out = expire(now);
    if (data.empty()) return out;
    m_buffer.insert(m_buffer.end(), data.begin(), data.end());
    m_lastByte = now;
    parse(out);
    return out;
}

std::vector<RxMessage> RxParser::expire(double now) {
    std::vector<RxMessage> out;
    if (!m_buffer.empty() && now - m_lastByte > kRxGapSeconds) {
        out.push_back({m_buffer.front() == kCommandHeader ? RxKind::Incomplete : RxKind::Unknown, m_buffer});
        m_buffer.clear();
    }
    return out;
}

void RxParser::parse(std::vector<RxMessage>& out) {
    std::size_t pos = 0;
    std::vector<std::uint8_t> junk;
    auto flushJunk = [&] {
        if (!junk.empty()) out.push_back({RxKind::Unknown, std::move(junk)});
        junk.clear();
    };

    while (pos < m_buffer.size()) {
        if (m_buffer[pos] != kCommandHeader) {
            junk.push_back(m_buffer[pos++]);
            continue;
        }
        if (pos + 1 >= m_buffer.size()) break;
        const std::uint8_t tag = m_buffer[pos + 1];
        std::size_t length = 0;
        if (tag == kIdentifyTag || tag == kKeepAliveTag)
            length = 3;
        else if (tag == kControlTag)
            length = vrx::kControlFrameSize;
        if (length == 0) {
            junk.push_back(m_buffer[pos++]);
            continue;
        }
        if (pos + length > m_buffer.size()) break;

        flushJunk();
        std::vector<std::uint8_t> msg(m_buffer.begin() + static_cast<std::ptrdiff_t>(pos),
                                      m_buffer.begin() + static_cast<std::ptrdiff_t>(pos + length));
        pos += length;
        const bool sumOk = msg.back() == vrx::Checksum8(msg.begin(), msg.end() - 1);
        RxKind kind = RxKind::BadChecksum;
        if (sumOk)
            kind = tag == kIdentifyTag    ? RxKind::Identify
                   : tag == kKeepAliveTag ? RxKind::KeepAlive
                                          : RxKind::Control;
        out.push_back({kind, std::move(msg)});
    }
    flushJunk();
    m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(pos));
}

std::string describeRx(const RxMessage& m) {
    const std::size_t n = m.bytes.size();
    switch (m.kind) {
    case RxKind::Identify:
        return "identify";
    case RxKind::KeepAlive:
        return "keepalive";
    case RxKind::Control:
        return "control";
    case RxKind::BadChecksum: {
        const char* what = n == 3 ? (m.bytes[1] == kIdentifyTag ? "identify" : "keepalive") : "control";
        const unsigned want = vrx::Checksum8(m.bytes.begin(), m.bytes.end() - 1);
        return std::string("bad-checksum ") + what + " got=" + std::to_string(m.bytes.back()) +
               " want=" + std::to_string(want);
    }
    case RxKind::Unknown:
        return "unknown " + std::to_string(n) + " bytes: " + hexBytes(m.bytes, 16);
    case RxKind::Incomplete:
        return "incomplete " + std::to_string(n) + " bytes: " + hexBytes(m.bytes, 16);
    }
    return "?";
}

} // namespace vrxsim
