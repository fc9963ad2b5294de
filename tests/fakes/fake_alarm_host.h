#pragma once
// Records what the alarm check asked of the window, the file and the error log.
#include <map>
#include <string>
#include <vector>

#include "safety/alarm_host.h"

namespace vrx::test {

class FakeAlarmHost : public AlarmHost {
public:
    std::vector<std::string> events;    // every call, in order: "temp 3 alarm", "lock 1", ...
    std::map<int, AlarmLook> tempLooks; // the last look of each temperature channel
    std::map<int, bool> pumpAlarms, flowAlarms;
    bool menusLocked = false;
    int saves = 0;
    std::vector<std::string> balloons; // "w5:text", "i1:text"
    std::vector<std::string> errors;   // "procedure: description"
    std::vector<bool> modeImages;      // silent flags shown

    void showTempLook(int channel, AlarmLook look) override {
        tempLooks[channel] = look;
        events.push_back("temp " + std::to_string(channel) + " " + name(look));
    }
    void showPumpAlarm(int pump, bool alarm) override {
        pumpAlarms[pump] = alarm;
        events.push_back("pump " + std::to_string(pump) + (alarm ? " alarm" : " normal"));
    }
    void showFlowAlarm(int flow, bool alarm) override {
        flowAlarms[flow] = alarm;
        events.push_back("flow " + std::to_string(flow) + (alarm ? " alarm" : " normal"));
    }
    void lockOutputMenus(bool locked) override {
        menusLocked = locked;
        events.push_back(locked ? "lock 1" : "lock 0");
    }
    void saveSystemFile() override {
        ++saves;
        events.push_back("save");
    }
    void showBalloon(const std::string& text, BalloonIcon icon, int seconds) override {
        balloons.push_back((icon == BalloonIcon::Warning ? "w" : "i") + std::to_string(seconds) + ":" + text);
    }
    void showAlarmModeImage(bool silent) override { modeImages.push_back(silent); }
    void logError(const std::string& procedure, const std::string& description) override {
        errors.push_back(procedure + ": " + description);
    }

    static std::string name(AlarmLook look) {
        switch (look) {
        case AlarmLook::Alarm:
            return "alarm";
        case AlarmLook::NoSensor:
            return "nosensor";
        case AlarmLook::Normal:
            break;
        }
        return "normal";
    }
};

} // namespace vrx::test
