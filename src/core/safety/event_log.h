#pragma once
// The two event logs of the safety functions, "Alarm.log" and "Shutdown.log": one dated line per
// event, appended, never read back by the program.
#include <functional>
#include <string>

#include "iface/clock.h"

namespace vrx {

// "06/14/11, 14:03:27, Temp.(C), ch3, 61, 55". Kinds "T", "F", "P"; any other adds no label.
std::string eventLogLine(const LocalDateTime& t, const std::string& kind, int channel, const std::string& first,
                         const std::string& second);

// A number in its shortest general decimal form: 60, 1500, 0.5, 0.13.
std::string shortestNumber(double value);

class EventLog {
public:
    using ErrorSink = std::function<void(const std::string& procedure, const std::string& description)>;

    // procedure names the writer in the error log ("ModSub.gAlarmLog").
    EventLog(std::string path, std::string procedure, const Clock& clock, ErrorSink onError)
        : m_path(std::move(path)), m_procedure(std::move(procedure)), m_clock(clock), m_onError(std::move(onError)) {}

    // A failed write loses the line and is logged; the caller is not told.
    void write(const std::string& kind, int channel, const std::string& first, const std::string& second);
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::string m_procedure;
    const Clock& m_clock;
    ErrorSink m_onError;
};

// The program's two logs in the data folder.
struct EventLogs {
    EventLogs(const std::string& appDir, const Clock& clock, const EventLog::ErrorSink& onError)
        : gAlarmLog(appDir + "Alarm.log", "ModSub.gAlarmLog", clock, onError),
          gShutdownLog(appDir + "Shutdown.log", "ModSub.gShutdownLog", clock, onError) {}
    EventLog gAlarmLog;
    EventLog gShutdownLog;
};

} // namespace vrx
