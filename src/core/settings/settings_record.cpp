#include "settings/settings_record.h"

namespace vrx {
namespace {

void setTempDefaults(TempSettings& t) {
    t = TempSettings{};
    for (std::size_t i = 0; i < 10; ++i) {
        t.TempName[i] = "Ch " + std::to_string(i + 1);
        t.TempRecord[i] = 1;
        t.TempAlarmLimit[i] = 55;
        t.TempShutdownLimit[i] = 58;
        t.TempAlarmOn[i] = 1;
        t.TempShutdownOn[i] = 1;
        t.TempGraphOn[i] = 1;
        t.TempColor[i] = DefaultPalette[i];
        t.TempOffset[i] = 0;
    }
    t.TempUnit = 1;
}

void setFanDefaults(FanSettings& f) {
    f = FanSettings{};
    f.FanGroup = 1;
    for (std::size_t i = 0; i < 6; ++i) {
        f.FanName[i] = "Fan" + std::to_string(i + 1);
        f.FanColor[i] = DefaultPalette[i];
        f.FanGraphOn[i] = 1;
        f.FanRecord[i] = 1;
    }
    f.FanLevel.fill(12);
    f.FanAutoSensor.fill(0);
    f.FanAutoLevelLow.fill(30);
    f.FanAutoLevelMid.fill(50);
    f.FanAutoLevelHigh.fill(90);
    f.FanAutoTempLow.fill(15);
    f.FanAutoTempMid.fill(55);
    f.FanAutoTempHigh.fill(85);
    f.FanNoHysteresis.fill(1);
}

void setPumpDefaults(PumpFlowSettings& p) {
    p = PumpFlowSettings{};
    p.PumpGroup = 1;
    p.FlowUnit = 1;
    p.FlowName = {"Flow1", "Flow2"};
    p.FlowAlarmLimit.fill("2.0");
    p.PumpAlarmLimit.fill("2,000");
    p.FlowShutdownLimit.fill("0.5");
    p.FlowShutdownOn.fill(0);
    p.FlowMeterModel.fill(1);
    p.FlowAlarmOn.fill(0);
    p.FlowGraphOn.fill(1);
    p.FlowColor = {DefaultPalette[2], DefaultPalette[3]};
    p.PumpShutdownLimit.fill("1500");
    p.PumpShutdownOn.fill(0);
    p.PumpAlarmOn.fill(0);
    p.FlowRecord.fill(1);
    p.PumpName = {"Pump1", "Pump2"};
    p.PumpGraphOn.fill(1);
    p.PumpRecord.fill(1);
    p.PumpColor = {DefaultPalette[0], DefaultPalette[6]};
    p.TubeSize.fill(1);
    p.PumpLevel.fill(12);
    p.PumpAutoSensor.fill(0);
    p.PumpAutoLevelLow.fill(30);
    p.PumpAutoLevelMid.fill(50);
    p.PumpAutoLevelHigh.fill(90);
    p.PumpAutoTempLow.fill(15);
    p.PumpAutoTempMid.fill(55);
    p.PumpAutoTempHigh.fill(85);
    p.PumpNoHysteresis.fill(1);
}

void setSysDefaults(SysMain& m, const std::string& appDir) {
    m = SysMain{};
    m.ComPort = 0;
    m.FixedComPort = 0;
    m.StartHidden = 0;
    m.CreatedVersion = kFileVersion;
    m.ShareMemory = kTrue;
    m.FileVersion = kFileVersion;
    m.LogFolder = appDir + "Logs/";
    m.AutoStart = 0;
    m.SliderGroup = 1;
    m.ShutdownAction = 1;
    m.ShutdownDelay = 60;
    m.RecordContinuous = 1;
    m.Recording = 0;
    m.RecordPeriodIndex = 3;
    m.CycleMode = 1;
    m.CycleTimeIndex = 1;
    m.CycleItem = 1;
    m.BoardType = 1;
    m.GraphBackColor = 0x0;
    m.GraphTextColor = 0xC0C0C0;
    m.GraphGridColor = 0x404040;
    m.AlwaysOnTop = 0;
    m.WindowPos.fill(0);
    m.HoverPopupOff = kTrue;
    for (std::size_t n = 1; n <= 10; ++n) {
        for (std::size_t i = 0; i < 3; ++i) m.PumpLevelTable(i, n) = static_cast<Int16>(3 * n + 2);
        for (std::size_t i = 0; i < 7; ++i) m.FanLevelTable(i, n) = static_cast<Int16>(10 * n);
    }
    m.DebugLog = kTrue;
    m.AlarmMute = 0;
    m.FanBarStyle = 0;
}

void setTestDefaults(PumpTestData& d) {
    d = PumpTestData{};
    d.PumpTestPumps = 9;
}

} // namespace

void SetDefaults(Settings& s, const std::string& appDir) {
    setTempDefaults(s.temp);
    setFanDefaults(s.fan);
    setPumpDefaults(s.pump);
    setSysDefaults(s.sys, appDir);
    setTestDefaults(s.test);
}

} // namespace vrx
