#pragma once
// The five settings records kept for the whole run and stored together in the system file.
// Field names and order are those of the file; strings are UTF-8 in memory.
#include <array>
#include <cstdint>
#include <string>

namespace vrx {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

inline constexpr Int16 kTrue = -1; // stored flags use -1 for true
inline constexpr Int16 kFalse = 0;
inline constexpr const char* kFileVersion = "2.1.30";

// Colours are 0x00BBGGRR.
inline constexpr std::array<Int32, 10> DefaultPalette = {0xB94652, 0xFF,     0x364E9C, 0x135B25, 0xFFFF00,
                                                         0xFF0000, 0xFF00FF, 0xE0E0E0, 0xFFC0C0, 0x8080};

struct TempSettings {
    std::array<std::string, 10> TempName;
    std::array<std::string, 10> TempWavTitle;
    std::array<std::string, 10> TempWavFile;
    std::array<Int16, 10> TempRecord{};
    std::array<Int16, 10> TempAlarmLimit{};
    std::array<Int16, 10> TempShutdownLimit{};
    std::array<Int16, 10> TempAlarmOn{};
    std::array<Int16, 10> TempShutdownOn{};
    std::array<Int16, 10> TempGraphOn{};
    std::array<Int32, 10> TempColor{};
    Int16 TempUnit = 0;
    std::array<Int16, 10> TempOffset{};
    bool operator==(const TempSettings&) const = default;
};

struct FanSettings {
    Int16 FanGroup = 0;
    std::array<std::string, 6> FanName;
    std::array<Int32, 6> FanColor{};
    std::array<Int16, 6> FanGraphOn{};
    std::array<Int16, 6> FanRecord{};
    std::array<Int16, 7> FanLevel{};
    std::array<Int16, 7> FanAutoSensor{};
    std::array<Int16, 7> FanAutoLevelLow{};
    std::array<Int16, 7> FanAutoLevelMid{};
    std::array<Int16, 7> FanAutoLevelHigh{};
    std::array<Int16, 7> FanAutoTempLow{};
    std::array<Int16, 7> FanAutoTempMid{};
    std::array<Int16, 7> FanAutoTempHigh{};
    std::array<Int16, 7> FanNoHysteresis{};
    bool operator==(const FanSettings&) const = default;
};

struct PumpFlowSettings {
    Int16 PumpGroup = 0;
    Int16 FlowUnit = 0;
    std::array<std::string, 2> FlowName;
    std::array<std::string, 2> FlowAlarmLimit;
    std::array<std::string, 2> PumpAlarmLimit;
    std::array<std::string, 2> FlowShutdownLimit;
    std::array<Int16, 2> FlowShutdownOn{};
    std::array<Int16, 2> FlowMeterModel{};
    std::array<Int16, 2> FlowAlarmOn{};
    std::array<Int16, 2> FlowGraphOn{};
    std::array<Int32, 2> FlowColor{};
    std::array<std::string, 2> PumpShutdownLimit;
    std::array<Int16, 2> PumpShutdownOn{};
    std::array<Int16, 2> PumpAlarmOn{};
    std::array<Int16, 2> FlowRecord{};
    std::array<std::string, 2> PumpName;
    std::array<Int16, 2> PumpGraphOn{};
    std::array<Int16, 2> PumpRecord{};
    std::array<Int32, 2> PumpColor{};
    std::array<Int16, 2> TubeSize{};
    std::array<Int16, 3> PumpLevel{};
    std::array<Int16, 3> PumpAutoSensor{};
    std::array<Int16, 3> PumpAutoLevelLow{};
    std::array<Int16, 3> PumpAutoLevelMid{};
    std::array<Int16, 3> PumpAutoLevelHigh{};
    std::array<Int16, 3> PumpAutoTempLow{};
    std::array<Int16, 3> PumpAutoTempMid{};
    std::array<Int16, 3> PumpAutoTempHigh{};
    std::array<Int16, 3> PumpNoHysteresis{};
    bool operator==(const PumpFlowSettings&) const = default;
};

// A two-index table (0 To Rows-1, 0 To 10) stored with the first index varying fastest.
template <std::size_t Rows> struct LevelTable {
    std::array<Int16, Rows * 11> cells{};
    Int16& operator()(std::size_t row, std::size_t level) { return cells.at(row + Rows * level); }
    Int16 operator()(std::size_t row, std::size_t level) const { return cells.at(row + Rows * level); }
    bool operator==(const LevelTable&) const = default;
};

struct SysMain {
    Int16 ComPort = 0;
    Int16 FixedComPort = 0;
    Int16 StartHidden = 0;
    std::string CreatedVersion;
    Int16 ShareMemory = 0;
    std::string FileVersion;
    std::string LogFolder;
    Int16 AutoStart = 0;
    Int16 SliderGroup = 0;
    Int16 ShutdownAction = 0;
    Int16 ShutdownDelay = 0;
    Int16 RecordContinuous = 0;
    Int16 Recording = 0;
    Int16 RecordPeriodIndex = 0;
    Int16 CycleMode = 0;
    Int16 CycleTimeIndex = 0;
    Int16 CycleItem = 0;
    Int16 BoardType = 0;
    Int32 GraphBackColor = 0;
    Int32 GraphTextColor = 0;
    Int32 GraphGridColor = 0;
    Int16 AlwaysOnTop = 0;
    std::array<Int32, 6> WindowPos{};
    Int16 HoverPopupOff = 0;
    LevelTable<3> PumpLevelTable;
    LevelTable<7> FanLevelTable;
    Int16 DebugLog = 0;
    Int16 AlarmMute = 0;
    Int16 FanBarStyle = 0;
    bool operator==(const SysMain&) const = default;
};

struct PumpTestData {
    Int16 PumpTestPumps = 0;
    std::array<double, 17 * 4> PumpTestValues{}; // (L, k) at L + 17 * k
    std::array<std::string, 4> PumpTestPumpText;
    std::array<std::string, 4> PumpTestFlowText;
    std::string PumpTestTubeText1;
    std::string PumpTestTubeText2;
    double& value(std::size_t level, std::size_t k) { return PumpTestValues.at(level + 17 * k); }
    double value(std::size_t level, std::size_t k) const { return PumpTestValues.at(level + 17 * k); }
    bool operator==(const PumpTestData&) const = default;
};

struct Settings {
    TempSettings temp;
    FanSettings fan;
    PumpFlowSettings pump;
    SysMain sys;
    PumpTestData test;
    bool operator==(const Settings&) const = default;
};

// Every field to its default. appDir ends in '/' (LogFolder becomes appDir + "Logs/").
void SetDefaults(Settings& s, const std::string& appDir);

} // namespace vrx
