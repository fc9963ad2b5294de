#pragma once
#include <string>

#include "iface/clock.h"
#include "iface/dialogs.h"
#include "settings/settings_record.h"

namespace vrx {

// The error log "debug.log": one dated line per failure, appended, never rotated.
class ErrorLog {
public:
    // debugLog is the live DebugLog setting (-1 on, 0 off), read at every call.
    ErrorLog(std::string path, const Int16& debugLog, const Clock& clock, Dialogs& dialogs);

    // name is "Module.Procedure"; the flag some callers pass has no effect.
    void LogError(const std::string& name, const std::string& number, const std::string& description,
                  int flag = 0);
    // Creates the file with its header line when it does not exist, whatever DebugLog says.
    void ensureHeader();

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    const Int16& m_debugLog;
    const Clock& m_clock;
    Dialogs& m_dialogs;
};

// Appends text + CR LF to a regular file (created if missing), in Windows-1252. Returns "" or the
// error.
std::string appendLine(const std::string& path, const std::string& line);

} // namespace vrx
