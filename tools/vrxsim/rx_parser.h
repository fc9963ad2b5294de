#pragma once
// Splits the byte stream from the program into messages: the two 3-byte commands and the
// 40-byte control frame. A message left unfinished for a moment is dropped, so one lost byte
// cannot shift every later frame.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vrxsim {

enum class RxKind { Identify, KeepAlive, Control, BadChecksum, Unknown, Incomplete };

struct RxMessage {
    RxKind kind;
    std::vector<std::uint8_t> bytes;
};

// How long the bytes of one message may take to arrive; the program writes each at once.
inline constexpr double kRxGapSeconds = 0.25;

class RxParser {
public:
    // Adds bytes received at `now` (seconds) and returns the messages they complete.
    std::vector<RxMessage> feed(std::span<const std::uint8_t> data, double now);
    // Drops an unfinished message that has waited longer than the gap.
    std::vector<RxMessage> expire(double now);
    void reset() { m_buffer.clear(); }

private:
    void parse(std::vector<RxMessage>& out);

    std::vector<std::uint8_t> m_buffer;
    double m_lastByte = 0;
};

// The log line for a message, without the leading "rx ".
std::string describeRx(const RxMessage& m);

} // namespace vrxsim
