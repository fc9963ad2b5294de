#pragma once
// What the log writer asks of the rest of the program.
#include <string>

namespace vrx {

class LogHost {
public:
    virtual ~LogHost() = default;
    // An error-log entry ("FrmMain.mLogSave", OS error number or 0, description).
    virtual void logError(const std::string& procedure, int number, const std::string& description) = 0;
    // A recording that could not start or was stopped by a failure; called once per failure. The
    // program tells the user without waiting for an answer (the tick must not block).
    virtual void tellUser(const std::string& text) = 0;
    // The main window's recording indicator (ImgAct 1).
    virtual void showRecordingIndicator(bool shown) = 0;
    // The one-second timer TimerLog that calls LogWriter::TimerLog_Timer.
    virtual void enableTimerLog(bool enabled) = 0;
};

} // namespace vrx
