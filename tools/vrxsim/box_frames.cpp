#include "vrxsim/box_frames.h"

#include <algorithm>

#include "link/checksum.h"
#include "link/control_frame.h"

namespace vrxsim {
namespace {

std::string joined(const int* values, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        if (i) s += ',';
        s += std::to_string(values[i]);
    }
    return s;
}

} // namespace

Readings sampleReadings(PhysicalModel& model) {
    Readings r;
    for (int c = 1; c <= kChannels; ++c)
        r.temp[c - 1] = model.tempCode(c);
    for (int f = 1; f <= kFans; ++f)
        r.fanTach[f - 1] = model.fanLive(f) ? model.fanTach(f) : 0;
    for (int p = 1; p <= kPumps; ++p)
        r.pumpTach[p - 1] = model.pumpLive(p) ? model.pumpTach(p) : 0;
    for (int m = 1; m <= kFlowMeters; ++m)
        r.flow[m - 1] = model.pumpLive(m) ? model.flowCount(m) : 0;
    return r;
}

StatusFrame buildStatusFrame(const Readings& r, int boardType, std::uint8_t spare24) {
    StatusFrame f{};
    f[st::Header] = kStatusHeader;
    f[st::Zero] = 0;
    std::copy(r.temp.begin(), r.temp.end(), f.begin() + st::Temp);
    std::copy(r.fanTach.begin(), r.fanTach.end(), f.begin() + st::FanTach);
    std::copy(r.pumpTach.begin(), r.pumpTach.end(), f.begin() + st::PumpTach);
    std::copy(r.flow.begin(), r.flow.end(), f.begin() + st::FlowCount);
    f[st::BoardType] = static_cast<std::uint8_t>(boardType);
    f[st::Firmware] = kFirmwareRevision;
    f[st::Spare24] = spare24;
    f[st::Checksum] = vrx::Checksum8(f.begin(), f.begin() + st::Checksum);
    return f;
}

IdentifyReply buildIdentifyReply(const Readings& r, int boardType) {
    IdentifyReply reply{};
    const StatusFrame s = buildStatusFrame(r, boardType);
    std::copy(s.begin(), s.begin() + st::Checksum, reply.begin());
    reply[id::Header] = kStatusHeader;
    reply[id::Tag] = kIdentifyTag;
    reply[id::BoardType] = static_cast<std::uint8_t>(boardType);
    reply[id::Checksum] = vrx::Checksum8(reply.begin(), reply.begin() + id::Checksum);
    return reply;
}

bool controlFrameValid(const ControlFrame& f) {
    return f[vrx::ct::Header] == 207 && f[vrx::ct::One] == 1 &&
           f[vrx::ct::Checksum] == vrx::Checksum8(f.begin(), f.begin() + vrx::ct::Checksum);
}

ControlSettings decodeControlFrame(const ControlFrame& f) {
    using namespace vrx::ct;
    ControlSettings c;
    for (std::size_t i = 0; i < kChannels; ++i) {
        c.alarmCode[i] = f[TempAlarm + i];
        c.shutdownCode[i] = f[TempShutdown + i];
    }
    c.tempUnit = f[TempUnit];
    for (std::size_t i = 0; i < kFans; ++i)
        c.fanPower[i] = f[FanPower + i];
    for (std::size_t i = 0; i < kPumps; ++i)
        c.pumpStep[i] = f[PumpPower + i];
    c.flowModel = {f[FlowModel1], f[FlowModel2]};
    c.tube = {f[Tube1], f[Tube2]};
    c.boardType = f[BoardType];
    c.beeper = f[Beeper];
    c.powerOff = f[PowerOff];
    c.spare38 = f[Spare38];
    return c;
}

Drive driveFor(const ControlSettings& c) {
    Drive d;
    for (std::size_t i = 0; i < kFans; ++i)
        d.fanPower[i] = std::min(c.fanPower[i], 100);
    for (std::size_t i = 0; i < kPumps; ++i)
        d.pumpStep[i] = std::min(c.pumpStep[i], 31);
    for (std::size_t i = 0; i < kFlowMeters; ++i) {
        d.flowModel[i] = c.flowModel[i] == 1 ? 1 : 2;
        d.tube[i] = c.tube[i] == 1 ? 1 : 2;
    }
    return d;
}

std::string describeControl(const ControlSettings& c) {
    const auto& d = c;
    return "fans=" + joined(d.fanPower.data(), kFans) + " pumps=" + joined(d.pumpStep.data(), kPumps) +
           " beeper=" + std::to_string(c.beeper) + " poweroff=" + std::to_string(c.powerOff) +
           " alarm=" + joined(c.alarmCode.data(), kChannels) +
           " shutdown=" + joined(c.shutdownCode.data(), kChannels) + " unit=" + std::to_string(c.tempUnit) +
           " flow=" + std::to_string(d.flowModel[0]) + "/" + std::to_string(d.tube[0]) + "," +
           std::to_string(d.flowModel[1]) + "/" + std::to_string(d.tube[1]) +
           " board=" + std::to_string(c.boardType) + " spare=" + std::to_string(c.spare38);
}

} // namespace vrxsim
