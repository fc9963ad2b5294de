#pragma once
// The controller's side of the wire: the frames it sends and the control frame it receives.
#include <array>
#include <cstdint>
#include <string>

#include "link/controller_state.h"
#include "link/status_frame.h"
#include "vrxsim/physical_model.h"

namespace vrxsim {

using StatusFrame = std::array<std::uint8_t, vrx::kStatusFrameSize>;
using IdentifyReply = std::array<std::uint8_t, 40>;
using ControlFrame = std::array<std::uint8_t, vrx::kControlFrameSize>;

// The frame layout is shared with the program's side of the wire.
using vrx::kStatusHeader;
namespace st = vrx::st;
inline constexpr std::uint8_t kIdentifyTag = 6;
inline constexpr std::uint8_t kFirmwareRevision = 14;

// Identify reply byte positions the program reads.
namespace id {
inline constexpr std::size_t Header = 0, Tag = 1, Firmware = 23, BoardType = 35, Checksum = 39;
}

// The readings of one moment, as they go on the wire.
struct Readings {
    std::array<std::uint8_t, kChannels> temp{};
    std::array<std::uint8_t, kFans> fanTach{};
    std::array<std::uint8_t, kPumps> pumpTach{};
    std::array<std::uint8_t, kFlowMeters> flow{};
};

// Samples the model; channels and outputs a small board lacks read 1 (open) and 0.
Readings sampleReadings(PhysicalModel& model);

StatusFrame buildStatusFrame(const Readings& r, int boardType, std::uint8_t spare24 = 0);

// Bytes 0, 1 = 223, 6; the readings where a status frame has them; board type at 22 and 35;
// byte 39 = checksum of 0..38, so a program that logs the reply sees a consistent record.
IdentifyReply buildIdentifyReply(const Readings& r, int boardType);

// A control frame's values as received, unchanged, so the log shows what crossed the wire.
struct ControlSettings {
    std::array<int, kChannels> alarmCode{};
    std::array<int, kChannels> shutdownCode{};
    int tempUnit = 1;
    std::array<int, kFans> fanPower{};
    std::array<int, kPumps> pumpStep{};
    std::array<int, kFlowMeters> flowModel{};
    std::array<int, kFlowMeters> tube{};
    int boardType = 0;
    int beeper = 2;
    int powerOff = 2;
    int spare38 = 0;
};

// True when the header (207, 1) and the checksum are right.
bool controlFrameValid(const ControlFrame& f);
ControlSettings decodeControlFrame(const ControlFrame& f);

// What the outputs do with those values: powers are held to what the hardware can do (fans
// 0..100, pumps 0..31); a model or tube code other than 1 counts as 2.
Drive driveFor(const ControlSettings& c);

// "fans=... pumps=... beeper=B poweroff=P alarm=... shutdown=... unit=U flow=M/T,M/T board=B spare=S"
std::string describeControl(const ControlSettings& c);

} // namespace vrxsim
