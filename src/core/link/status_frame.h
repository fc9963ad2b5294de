#pragma once
// The bytes on the controller line: status frames in, control frames and short commands out,
// and the reply to the identify command.
#include <array>
#include <cstdint>
#include <span>

#include "link/controller_state.h"

#include "measure/temperature.h"

namespace vrx {

using ControlFrame = std::array<std::uint8_t, kControlFrameSize>;

inline constexpr std::array<std::uint8_t, 3> CmdIdentify{207, 3, 210};
inline constexpr std::array<std::uint8_t, 3> CmdKeepAlive{207, 7, 214};

// The line the controller speaks: 38400 baud, no parity, 8 data bits, 1 stop bit.
inline constexpr const char* kLineSettings = "38400,n,8,1";

inline constexpr std::uint8_t kStatusHeader = 223;
inline constexpr std::uint8_t kControlHeader = 207;
inline constexpr std::size_t kIdentifyReplySize = 40;
inline constexpr std::size_t kIdentifyBoardTypeByte = 35;

// Status frame byte positions.
namespace st {
inline constexpr std::size_t Header = 0, Zero = 1, Temp = 2, FanTach = 12, PumpTach = 18, FlowCount = 20,
                             BoardType = 22, Firmware = 23, Spare24 = 24, Checksum = 25;
}


enum class FrameCheck { Accepted, TooShort, BadHeader, BadChecksum };

bool hasStatusHeader(std::span<const std::uint8_t> frame);

// Checks the first 26 bytes of `frame` and, only when header and checksum hold, stores them into
// `statusBytes` with the channel codes corrected by `tempOffset` (element 25 is never written).
FrameCheck decodeStatusFrame(std::span<const std::uint8_t> frame,
                             const std::array<std::int16_t, 10>& tempOffset, StatusArray& statusBytes);

// A channel code after the user's offset; the no-sensor codes pass unchanged.
std::int16_t correctTempCode(int code, int offset);

// ControlBytes(0..38) as bytes; byte 39 is left 0. Throws LinkError when an element is outside 0..255.
ControlFrame controlFrameBytes(const ControlArray& controlBytes);

// Writes the checksum of bytes 0..38 into byte 39.
void sealControlFrame(ControlFrame& frame);

// The 40 bytes ready to write. Throws LinkError when an element is outside 0..255.
ControlFrame buildControlFrame(const ControlArray& controlBytes);

// The decimal texts of the first two bytes joined must read "2236" or "6223"; at least 40 bytes.
bool isIdentifyReply(std::span<const std::uint8_t> reply);

// The controller type an identify reply reports.
int identifyBoardType(std::span<const std::uint8_t> reply);

} // namespace vrx
