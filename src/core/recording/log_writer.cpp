#include "recording/log_writer.h"

#include <cerrno>

#include "diag/message_box.h"
#include "diag/messages.h"
#include "iface/file_access.h"
#include "recording/log_format.h"

namespace vrx {
namespace {

constexpr int kMaxNameSuffix = 99;

bool folderExists(const std::string& folder) {
    return fileAccess().checkWritable(folder).number == EISDIR;
}

// Anything at path, even a file we may not open, keeps the name from being reused.
bool pathTaken(const std::string& path) {
    return fileAccess().checkWritable(path).number != ENOENT;
}

} // namespace

LogWriter::LogWriter(Settings& settings, const ControllerState& state, LogWriterServices services)
    : m_settings(settings), m_state(state), m_services(services) {
    m_settings.sys.Recording = 0;
}

void LogWriter::adoptPickedFile(const std::string& chosenPath) {
    const std::size_t slash = chosenPath.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string base = chosenPath.substr(nameStart);
    const std::string ext = kLogExtension;
    if (base.size() > ext.size() && base.compare(base.size() - ext.size(), ext.size(), ext) == 0)
        base.resize(base.size() - ext.size());
    m_settings.sys.LogFolder = chosenPath.substr(0, nameStart);
    m_baseName = std::move(base);
    m_pickedPath = chosenPath;
}

std::string LogWriter::LogFilePath() const {
    return recording() ? m_filePath : firstLogPath(m_settings.sys.LogFolder, m_baseName);
}

bool LogWriter::mRecording(const std::function<bool()>& pickLogFile) {
    if (recording()) return true;
    if (!folderReady(pickLogFile)) return false;
    const std::string path = firstLogPath(m_settings.sys.LogFolder, m_baseName);
    if (!mayReplace(path)) return false;
    m_recordLimit = logRecordLimit(m_settings.sys.RecordPeriodIndex);
    if (!gNewLogSave(path)) {
        m_services.host.logError("FrmLog.mRecording", m_lastFailure.number, m_lastFailure.description);
        m_services.host.tellUser("Recording did not start. " + path + ": " + m_lastFailure.description);
        return false;
    }
    m_filePath = path;
    m_pickedPath.clear(); // it now holds this recording; replacing it again needs the question
    m_services.host.showRecordingIndicator(true);
    m_settings.sys.Recording = 1;
    m_recordCount = 0;
    // After the header, so the first file still shows the selections as they were.
    if (m_settings.sys.BoardType == 1) clearAbsentChannels();
    m_services.host.enableTimerLog(true);
    return true;
}

void LogWriter::stop() {
    m_services.host.enableTimerLog(false);
    m_settings.sys.Recording = 0;
    m_services.host.showRecordingIndicator(false);
}

void LogWriter::TimerLog_Timer() {
    if (!recording()) return;
    ++m_recordCount;
    if (m_recordCount <= m_recordLimit) {
        if (mLogSave(m_recordCount)) return;
        endRecording(m_lastFailure);
    } else if (m_settings.sys.RecordContinuous == 1) {
        if (startNextFile()) return;
        endRecording(m_lastFailure);
    } else {
        endRecording({}); // the normal end of a full file
    }
}

bool LogWriter::gNewLogSave(const std::string& path) {
    const auto header = buildLogHeader(m_settings, m_services.clock.now(), m_recordLimit);
    if (!header) return fail("ModSub.gNewLogSave", {EINVAL, "Invalid flow meter, tubing or board type setting"});
    if (FileOutcome o = fileAccess().write(path, *header); !o.ok()) return fail("ModSub.gNewLogSave", {o.number, o.description});
    return true;
}

bool LogWriter::mLogSave(int lineNumber) {
    const auto line = buildLogLine(m_settings, m_state.StatusText, m_services.clock.now(), lineNumber);
    if (!line) return fail("FrmMain.mLogSave", {EINVAL, "A fan or pump reading is not a number"});
    // Appending would create a file without its header; a file removed under us ends the recording.
    if (!pathTaken(m_filePath)) return fail("FrmMain.mLogSave", {ENOENT, "The log file was removed: " + m_filePath});
    if (FileOutcome o = fileAccess().append(m_filePath, *line); !o.ok()) return fail("FrmMain.mLogSave", {o.number, o.description});
    return true;
}

bool LogWriter::folderReady(const std::function<bool()>& pickLogFile) {
    if (folderExists(m_settings.sys.LogFolder)) return true;
    m_services.dialogs.standardBox("Log", "  " + MessageText(118), BoxIcon::Warning, BoxButtons::Ok);
    if (!pickLogFile || !pickLogFile()) return false;
    return folderExists(m_settings.sys.LogFolder);
}

bool LogWriter::mayReplace(const std::string& path) {
    if (!pathTaken(path) || path == m_pickedPath) return true;
    return ShowMessageBox(m_services.dialogs, 5600, 1600, 1, "Log", MessageText(103), "", 0) == kBoxFirstButton;
}

std::string LogWriter::freeContinuationPath() const {
    const std::string path = continuationLogPath(m_settings.sys.LogFolder, m_baseName, m_services.clock.now());
    if (!pathTaken(path)) return path;
    for (int n = 2; n <= kMaxNameSuffix; ++n)
        if (const std::string other = suffixedLogPath(path, n); !pathTaken(other)) return other;
    return {};
}

bool LogWriter::startNextFile() {
    m_recordCount = 0;
    const std::string path = freeContinuationPath();
    if (path.empty()) return fail("ModSub.gNewLogSave", {EEXIST, "No free name for the next log file"});
    if (!gNewLogSave(path)) return false;
    m_filePath = path;
    return true;
}

void LogWriter::clearAbsentChannels() {
    for (std::size_t i = 5; i < 10; ++i) m_settings.temp.TempRecord[i] = 0;
    for (std::size_t i = 3; i < 6; ++i) m_settings.fan.FanRecord[i] = 0;
    m_settings.pump.PumpRecord[1] = 0;
    m_settings.pump.FlowRecord[1] = 0;
}

void LogWriter::endRecording(const Failure& cause) {
    stop();
    m_services.host.logError("FrmMain.TimerLog_Timer", cause.number, cause.description);
    if (cause.number != 0) m_services.host.tellUser("Recording stopped. " + m_filePath + ": " + cause.description);
}

bool LogWriter::fail(const std::string& procedure, Failure failure) {
    m_services.host.logError(procedure, failure.number, failure.description);
    m_lastFailure = std::move(failure);
    return false;
}

} // namespace vrx
