#pragma once
// Wires the recording log writer into the program: its one-second timer, the recording mark on
// the main window, its messages and error-log entries, and the stop at exit.
#include "app/main_program.h"
#include "recording/log_host.h"
#include "recording/log_writer.h"

namespace vrx::gui {
class FrmMain;
}

namespace vrx {

class RecordingWiring : public LogHost {
public:
    // Construct after the system file has loaded: the writer clears a recording flag a crash left.
    RecordingWiring(MainProgram& program, gui::FrmMain& window, const Clock& clock, Dialogs& dialogs);

    LogWriter& writer() { return m_writer; }
    // The recording settings dialog (Ctrl+L, command button 5).
    void openRecordingSettings();

    void logError(const std::string& procedure, int number, const std::string& description) override;
    void tellUser(const std::string& text) override;
    void showRecordingIndicator(bool shown) override;
    void enableTimerLog(bool enabled) override;

private:
    MainProgram& m_program;
    gui::FrmMain& m_window;
    Dialogs& m_dialogs;
    LogWriter m_writer;
};

} // namespace vrx
