#pragma once
// The level model of the fan and pump outputs: what a level setting means, the power a level
// gives, and the pump voltage steps.
#include <cstdint>
#include <string>

#include "settings/settings_record.h"

namespace vrx {

enum class OutputKind { Fan, Pump };

// Level settings are the index of the chosen item in an output's menu.
inline constexpr int kLevelAuto = 0;
inline constexpr int kLevelAdjust = 1; // a command, never stored
inline constexpr int kLevelFirst = 3;  // Level 1
inline constexpr int kLevelLast = 12;  // Level 10
inline constexpr int kLevelDisable = 14; // fans only
inline constexpr int kLevels = 10;

inline constexpr int kFans = 6;
inline constexpr int kPumps = 2;
// Entries of the settings arrays: 0 is the group entry, then the outputs.
inline constexpr int entryCount(OutputKind kind) { return kind == OutputKind::Fan ? kFans + 1 : kPumps + 1; }

inline constexpr bool isFixedLevel(int setting) { return setting >= kLevelFirst && setting <= kLevelLast; }

// A stored setting the menus never produce counts as Level 10, so the output stays driven.
int effectiveLevel(OutputKind kind, int setting);
bool isKnownLevel(OutputKind kind, int setting);

// The pump control byte of voltage step 1..32.
int StepByte(int step);
// The volt text of the step whose percent band holds `percent`; "" outside 0..100.
std::string PercentVoltText(int percent);
// The pump test's level n (1..15) as a pump control byte.
int TestLevelStep(int n);

// Power of a fixed level for output `unit` (1..6 fans, 1..2 pumps; 0 = the group entry), as the
// control byte takes it: percent for fans, step byte for pumps. Auto and Disable give 0.
std::int16_t manualOut(const Settings& s, OutputKind kind, int unit, int setting);
std::int16_t FanManualOut(const Settings& s, int fan);
std::int16_t PumpManualOut(const Settings& s, int pump);

// Settings arrays by kind, so one loop serves fans and pumps.
Int16& groupFlag(Settings& s, OutputKind kind);
Int16 groupFlag(const Settings& s, OutputKind kind);
Int16& levelSetting(Settings& s, OutputKind kind, int entry);
Int16 levelSetting(const Settings& s, OutputKind kind, int entry);
Int16& levelTable(Settings& s, OutputKind kind, int entry, int level);
Int16 levelTable(const Settings& s, OutputKind kind, int entry, int level);
// The defaults of the tables: fans 10 x n %, pumps step 3 x n + 2.
int defaultLevelValue(OutputKind kind, int level);

// "Level 1 (10%)" / "Level 1 (7.65V)" for the level items of the menus.
std::string levelCaption(OutputKind kind, int level, int tableValue);

} // namespace vrx
