#include "recording/log_settings.h"

#include <stdexcept>

#include "recording/log_format.h"

namespace vrx {
namespace {

constexpr int kLastPeriod = 3;

struct GroupSizes {
    int large;
    int small;
};

GroupSizes sizes(LogGroup group) {
    switch (group) {
    case LogGroup::Temp:
        return {10, 5};
    case LogGroup::Fan:
        return {6, 3};
    case LogGroup::Pump:
    case LogGroup::Flow:
        break;
    }
    return {2, 1};
}

} // namespace

int logGroupSize(LogGroup group) { return sizes(group).large; }
int logGroupSmallSize(LogGroup group) { return sizes(group).small; }

LogSettings::LogSettings(Settings& settings, LogWriter& writer, Dialogs& dialogs)
    : m_settings(settings), m_writer(writer), m_dialogs(dialogs) {
    mFirstSetup();
}

void LogSettings::mFirstSetup() {
    m_namePicked = false;
    m_writer.forgetPickedFile();
    m_checkTimer = false;
    m_path = m_writer.LogFilePath();
    mLockControls(true);
    if (m_writer.recording()) {
        m_controls.record = false;
        m_controls.stop = true;
    }
}

bool LogSettings::channelShown(LogGroup group, int index) const {
    return index < (smallBoard() ? logGroupSmallSize(group) : logGroupSize(group));
}

Int16& LogSettings::channelValue(LogGroup group, int index) const {
    if (index < 0 || index >= logGroupSize(group)) throw std::out_of_range("log channel index");
    const auto i = static_cast<std::size_t>(index);
    switch (group) {
    case LogGroup::Temp:
        return m_settings.temp.TempRecord[i];
    case LogGroup::Fan:
        return m_settings.fan.FanRecord[i];
    case LogGroup::Pump:
        return m_settings.pump.PumpRecord[i];
    case LogGroup::Flow:
        break;
    }
    return m_settings.pump.FlowRecord[i];
}

bool LogSettings::channel(LogGroup group, int index) const { return channelValue(group, index) == 1; }

void LogSettings::setChannel(LogGroup group, int index, bool on) { channelValue(group, index) = on ? 1 : 0; }

int LogSettings::periodIndex() const {
    const int index = m_settings.sys.RecordPeriodIndex;
    return index >= 0 && index <= kLastPeriod ? index : kLastPeriod;
}

void LogSettings::setPeriodIndex(int index) {
    if (index >= 0 && index <= kLastPeriod) m_settings.sys.RecordPeriodIndex = static_cast<Int16>(index);
}

void LogSettings::setContinuous(bool on) { m_settings.sys.RecordContinuous = on ? 1 : 0; }

std::string LogSettings::mLogFileDialog() {
    SaveFileRequest request;
    request.title = "Log File Name";
    request.filter = "Log Files (*.log)|*.log|All Files(*.*)|*.*";
    request.defaultExtension = ".log";
    request.folder = m_settings.sys.LogFolder;
    const std::string chosen = m_dialogs.saveFile(request);
    // A path ending in '/' names no file; treat it like a cancel.
    if (chosen.empty() || chosen.back() == '/') return {};
    m_writer.adoptPickedFile(chosen);
    return m_writer.LogBaseName();
}

bool LogSettings::mPickLogFile() {
    if (mLogFileDialog().empty()) return false;
    m_path = firstLogPath(m_settings.sys.LogFolder, m_writer.LogBaseName());
    m_namePicked = true;
    return true;
}

bool LogSettings::record() {
    if (!m_writer.mRecording([this] { return mPickLogFile(); })) return false;
    m_path = m_writer.LogFilePath();
    mLockControls(false);
    m_checkTimer = true;
    return true;
}

void LogSettings::stop() {
    m_writer.stop();
    mLockControls(true);
    m_checkTimer = false;
}

void LogSettings::TimCheck_Timer() {
    if (!m_checkTimer || m_writer.recording()) return;
    mLockControls(true);
    m_checkTimer = false;
}

void LogSettings::mLockControls(bool enable) {
    m_controls = {enable, !enable, enable, enable, enable};
}

} // namespace vrx
