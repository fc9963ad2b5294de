#pragma once
// A loaded recording: what the viewer shows and the CSV export writes. Built only by the log
// reader, and only when the whole file checked out, so a model is never half filled.
#include <array>
#include <string>
#include <vector>

#include "iface/clock.h"
#include "settings/channel_count.h"

namespace vrx {

inline constexpr int kLogChannels = 20; // temperatures 1-10, fans 1-6, pumps 1-2, flow meters 1-2
inline constexpr double kNoValue = -99.0;

// Channel numbers (1-based, as in LogValues) where each group starts, and how many it has.
inline constexpr int kFirstTempChannel = 1;
inline constexpr int kFirstFanChannel = 11;
inline constexpr int kFirstPumpChannel = 17;
inline constexpr int kFirstFlowChannel = 19;

enum class ChannelKind { Temperature, Fan, Pump, Flow };
ChannelKind channelKind(int channel); // channel 1..20

struct Recording {
    std::array<std::string, kLogChannels> names;  // UTF-8, trimmed
    std::array<int, kLogChannels> LogChannelOn{}; // the settings line's digits, 0-9
    int LogLineLimit = 60;                        // 1..3600
    std::array<std::string, 2> LogFlowModel;      // "17", "16" as written
    std::array<std::string, 2> LogTubeCode;       // "10", "06" as written
    char LogBoardFlag = 'Y';
    std::string startDate; // "mm/dd/yy"
    LocalDateTime start;   // the start date (20yy) at the time of the first data line
    // LogTimes and LogValues of the lines read, line 1 at index 0; lines after these up to the
    // line limit have no values.
    std::vector<std::string> LogTimes;
    std::vector<std::array<double, kLogChannels>> lines;

    int loadedLines() const { return static_cast<int>(lines.size()); }
    bool recorded(int channel) const { return LogChannelOn[channel - 1] == 1; }
    bool smallBoard() const { return LogBoardFlag == 'N' || LogBoardFlag == 'n'; }
    // LogValues(channel 1..20, line 1..LogLineLimit); kNoValue where the file has none.
    double value(int channel, int line) const {
        if (channel < 1 || channel > kLogChannels || line < 1 || line > loadedLines()) return kNoValue;
        return lines[static_cast<std::size_t>(line - 1)][static_cast<std::size_t>(channel - 1)];
    }
    // LogTimes(line); "" outside the lines read (line 0 is never filled).
    std::string time(int line) const {
        if (line < 1 || line > loadedLines()) return {};
        return LogTimes[static_cast<std::size_t>(line - 1)];
    }
};

} // namespace vrx
