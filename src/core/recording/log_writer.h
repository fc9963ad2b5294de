#pragma once
// The recording log writer: starts and stops a recording and writes one line a second, starting
// the next file when one is full. Every write goes through fileAccess().
#include <functional>
#include <string>

#include "iface/clock.h"
#include "iface/dialogs.h"
#include "link/controller_state.h"
#include "recording/log_host.h"
#include "settings/settings_record.h"

namespace vrx {

struct LogWriterServices {
    const Clock& clock;
    Dialogs& dialogs;
    LogHost& host;
};

class LogWriter {
public:
    // Call after the system file was loaded: a Recording flag still set by a program that did
    // not end normally is cleared here, since no recording outlives its program.
    LogWriter(Settings& settings, const ControllerState& state, LogWriterServices services);

    // The Record button. pickLogFile runs the dialog's file chooser (true when a file was chosen)
    // when the log folder is missing. Returns true when the recording runs.
    bool mRecording(const std::function<bool()>& pickLogFile);
    // The Stop button, and the end of the program: the file keeps the lines written so far.
    void stop();
    // TimerLog, every 1000 ms while recording.
    void TimerLog_Timer();

    bool recording() const { return m_settings.sys.Recording == 1; }

    // Base name and folder the next recording starts with. While a recording runs the file being
    // written stays as it is; a new choice applies from the next file on.
    const std::string& LogBaseName() const { return m_baseName; }
    void setLogBaseName(std::string base) { m_baseName = std::move(base); }
    // A file the user confirmed in the save chooser (its own overwrite question was asked): the
    // next Record replaces it without asking again. Forgotten when the dialog opens again.
    // chosenPath becomes LogFolder and LogBaseName (less a final ".log").
    void adoptPickedFile(const std::string& chosenPath);
    void forgetPickedFile() { m_pickedPath.clear(); }

    // The file the next data line goes to while recording; otherwise the file Record will start.
    std::string LogFilePath() const;
    int LogRecordLimit() const { return m_recordLimit; }
    int LogRecordCount() const { return m_recordCount; }

    // Writes the header of a new file at path (which must name no existing file).
    bool gNewLogSave(const std::string& path);
    // Appends data line lineNumber to the file being written.
    bool mLogSave(int lineNumber);

private:
    struct Failure {
        int number = 0;
        std::string description;
    };
    bool folderReady(const std::function<bool()>& pickLogFile);
    bool mayReplace(const std::string& path);
    std::string freeContinuationPath() const;
    bool startNextFile();
    void clearAbsentChannels();
    void endRecording(const Failure& cause);
    bool fail(const std::string& procedure, Failure failure);

    Settings& m_settings;
    const ControllerState& m_state;
    LogWriterServices m_services;
    std::string m_baseName = "VRX";
    std::string m_filePath;   // file being written
    std::string m_pickedPath; // confirmed in the chooser, not yet written
    int m_recordLimit = 3600;
    int m_recordCount = 0;
    Failure m_lastFailure;
};

} // namespace vrx
