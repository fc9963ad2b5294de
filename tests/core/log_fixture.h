#pragma once
// Recording files built by the writer's own formatting, for the reader, viewer and CSV tests.
#include <stdexcept>
#include <string>
#include <vector>

#include "measure/status_text.h"
#include "recording/log_format.h"
#include "recording/log_reader.h"

namespace vrx::test {

inline Settings logSettings() {
    Settings s;
    SetDefaults(s, "/vrx/");
    s.sys.BoardType = 2;
    return s;
}

// Readings for one data line, in channel order: ten temperatures, six fans, two pumps, two flows.
inline StatusTextArray readings(const std::vector<std::string>& channels) {
    StatusTextArray t{};
    for (std::size_t i = 0; i < channels.size() && i < 20; ++i)
        t[kFirstTempEntry + i] = channels[i];
    return t;
}

inline const LocalDateTime kLogStart{2011, 6, 14, 14, 30, 5};

// Header and one data line a second from kLogStart.
inline std::string logFile(const Settings& s, int limit, const std::vector<StatusTextArray>& lines) {
    std::string file = *buildLogHeader(s, kLogStart, limit);
    LocalDateTime t = kLogStart;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        file += *buildLogLine(s, lines[n], t, static_cast<int>(n + 1));
        const int next = t.hour * 3600 + t.minute * 60 + t.second + 1;
        t.hour = next / 3600 % 24, t.minute = next / 60 % 60, t.second = next % 60;
    }
    return file;
}

inline Recording parsed(const std::string& bytes) {
    LogParse p = parseRecording(bytes);
    if (!p.recording) throw std::runtime_error("not loaded: " + p.reason);
    return *p.recording;
}

} // namespace vrx::test
