#pragma once
// What the recording settings dialog shows and does: the channel choices, file length, continuous
// mode, the log file chooser, Record and Stop, and which controls a running recording locks.
// Every change is written to the settings at once; the caller saves the system file on close.
#include <array>
#include <string>

#include "iface/dialogs.h"
#include "recording/log_writer.h"
#include "settings/settings_record.h"

namespace vrx {

// The four channel frames, in the dialog's order.
enum class LogGroup { Temp = 0, Fan = 1, Pump = 2, Flow = 3 };
inline constexpr std::array<LogGroup, 4> kLogGroups{LogGroup::Temp, LogGroup::Fan, LogGroup::Pump, LogGroup::Flow};

// Check boxes in a frame on the large board, and how many of them the small board has.
int logGroupSize(LogGroup group);
int logGroupSmallSize(LogGroup group);

// Which controls can be used; mLockControls and the reopening during a recording set them.
struct LogControls {
    bool record = true;
    bool stop = false;
    bool channels = true;
    bool periodList = true;
    bool folderButton = true;
};

class LogSettings {
public:
    LogSettings(Settings& settings, LogWriter& writer, Dialogs& dialogs);

    // Fills the dialog when it opens. A recording that runs keeps its file; the path shown is
    // the one the next data line goes to.
    void mFirstSetup();

    const std::string& TxtPath() const { return m_path; }
    bool NamePicked() const { return m_namePicked; }
    const LogControls& controls() const { return m_controls; }
    bool smallBoard() const { return m_settings.sys.BoardType == 1; }
    // False for the boxes a small board hides.
    bool channelShown(LogGroup group, int index) const;

    bool channel(LogGroup group, int index) const;
    void setChannel(LogGroup group, int index, bool on);
    // A stored index outside the list shows as "1 hour", the length the writer uses for it.
    int periodIndex() const;
    void setPeriodIndex(int index);
    bool continuous() const { return m_settings.sys.RecordContinuous == 1; }
    void setContinuous(bool on);

    // The folder button: runs the save chooser and adopts the confirmed file.
    bool mPickLogFile();
    // The Record button; true when the recording runs.
    bool record();
    // The Stop button.
    void stop();

    // TimCheck: the app runs a 1000 ms timer while checkTimer() is true and calls this on it.
    bool checkTimer() const { return m_checkTimer; }
    void TimCheck_Timer();

private:
    std::string mLogFileDialog();
    void mLockControls(bool enable);
    Int16& channelValue(LogGroup group, int index) const;

    Settings& m_settings;
    LogWriter& m_writer;
    Dialogs& m_dialogs;
    std::string m_path;
    bool m_namePicked = false;
    bool m_checkTimer = false;
    LogControls m_controls;
};

} // namespace vrx
