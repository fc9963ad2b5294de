#include "link/status_frame.h"

#include <string>

#include "link/checksum.h"
#include "link/link_error.h"

namespace vrx {

bool hasStatusHeader(std::span<const std::uint8_t> frame) {
    return frame.size() >= kStatusFrameSize && frame[st::Header] == kStatusHeader && frame[st::Zero] == 0;
}

std::int16_t correctTempCode(int code, int offset) {
    if (code == kSensorOpenCode || code == kSensorShortCode) return static_cast<std::int16_t>(code);
    const int corrected = code + offset;
    // The clamp keeps a corrected reading in range and away from the two no-sensor codes.
    if (corrected <= kTempCodeMin) return kTempCodeMin;
    if (corrected >= kTempCodeMax) return kTempCodeMax;
    return static_cast<std::int16_t>(corrected);
}

FrameCheck decodeStatusFrame(std::span<const std::uint8_t> frame,
                             const std::array<std::int16_t, 10>& tempOffset, StatusArray& statusBytes) {
    if (frame.size() < kStatusFrameSize) return FrameCheck::TooShort;
    if (!hasStatusHeader(frame)) return FrameCheck::BadHeader;
    if (Checksum8(frame.begin(), frame.begin() + st::Checksum) != frame[st::Checksum])
        return FrameCheck::BadChecksum;

    statusBytes[st::Header] = frame[st::Header];
    statusBytes[st::Zero] = frame[st::Zero];
    for (std::size_t i = 0; i < 10; ++i)
        statusBytes[st::Temp + i] = correctTempCode(frame[st::Temp + i], tempOffset[i]);
    for (std::size_t i = st::FanTach; i < st::Checksum; ++i)
        statusBytes[i] = frame[i];
    return FrameCheck::Accepted;
}

ControlFrame controlFrameBytes(const ControlArray& controlBytes) {
    ControlFrame frame{};
    for (std::size_t i = 0; i < kControlFrameSize - 1; ++i) {
        const int value = controlBytes[i];
        if (value < 0 || value > 255)
            throw LinkError(kErrOverflow,
                            "Overflow: control byte " + std::to_string(i) + " = " + std::to_string(value));
        frame[i] = static_cast<std::uint8_t>(value);
    }
    return frame;
}

void sealControlFrame(ControlFrame& frame) {
    frame[kControlFrameSize - 1] = Checksum8(frame.begin(), frame.end() - 1);
}

ControlFrame buildControlFrame(const ControlArray& controlBytes) {
    ControlFrame frame = controlFrameBytes(controlBytes);
    sealControlFrame(frame);
    return frame;
}

bool isIdentifyReply(std::span<const std::uint8_t> reply) {
    if (reply.size() < kIdentifyReplySize) return false;
    // The controller may answer with either byte order; the check compares the joined decimal
    // texts, which is what the controllers in the field have always been matched against.
    const std::string id = std::to_string(reply[0]) + std::to_string(reply[1]);
    return id == "2236" || id == "6223";
}

int identifyBoardType(std::span<const std::uint8_t> reply) {
    return reply.size() > kIdentifyBoardTypeByte ? reply[kIdentifyBoardTypeByte] : 0;
}

} // namespace vrx
