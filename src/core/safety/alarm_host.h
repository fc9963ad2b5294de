#pragma once
// What the alarm check asks of the rest of the program: the channel looks on the main window, the
// output menus, the system file, balloons, the mode image and the error log.
#include <string>

#include "iface/tray.h"

namespace vrx {

// How a temperature row is drawn: no sensor present, in alarm, or normal.
enum class AlarmLook { Normal, Alarm, NoSensor };

class AlarmHost {
public:
    virtual ~AlarmHost() = default;
    // Called only when the look differs from the one last shown. Channels count from 0.
    virtual void showTempLook(int channel, AlarmLook look) = 0;
    virtual void showPumpAlarm(int pump, bool alarm) = 0;
    virtual void showFlowAlarm(int flow, bool alarm) = 0;
    // The fan and pump entries of the output menus: disabled while locked.
    virtual void lockOutputMenus(bool locked) = 0;
    virtual void saveSystemFile() = 0;
    // A tray balloon titled with the program's general title, shown for `seconds` (1 or 5).
    virtual void showBalloon(const std::string& text, BalloonIcon icon, int seconds) = 0;
    // The mode image and its tool tip: "Silent Mode" or "Alarm Mode".
    virtual void showAlarmModeImage(bool silent) = 0;
    virtual void logError(const std::string& procedure, const std::string& description) = 0;
};

} // namespace vrx
