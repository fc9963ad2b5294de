#include "safety/event_log.h"

#include <charconv>
#include <cstdio>

#include "diag/error_log.h"

namespace vrx {

std::string eventLogLine(const LocalDateTime& t, const std::string& kind, int channel, const std::string& first,
                         const std::string& second) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%02d/%02d/%02d, %02d:%02d:%02d", t.month, t.day, t.year % 100, t.hour,
                  t.minute, t.second);
    std::string line = stamp;
    if (kind == "T") line += ", Temp.(C), ch";
    else if (kind == "F") line += ", Flow rate(LPM), ch";
    else if (kind == "P") line += ", Pump(RPM), ch";
    return line + std::to_string(channel) + ", " + first + ", " + second;
}

std::string shortestNumber(double value) {
    if (value == 0) return "0"; // also for -0
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    if (r.ec != std::errc()) return "0";
    return std::string(buf, r.ptr);
}

void EventLog::write(const std::string& kind, int channel, const std::string& first, const std::string& second) {
    const std::string failure = appendLine(m_path, eventLogLine(m_clock.now(), kind, channel, first, second));
    if (!failure.empty() && m_onError) m_onError(m_procedure, m_path + ": " + failure);
}

} // namespace vrx
