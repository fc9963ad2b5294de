#pragma once
// StatusText: the reading texts rebuilt from StatusBytes after every accepted status frame.
#include "link/controller_state.h"
#include "settings/settings_record.h"

namespace vrx {

inline constexpr int kSpeedUnitRpm = 30; // rpm per speed code

// Entries of StatusText and StatusBytes by reading.
inline constexpr std::size_t kFirstTempEntry = 2;   // 2..11 temperatures 1..10
inline constexpr std::size_t kFirstSpeedEntry = 12; // 12..17 fans 1..6, 18..19 pumps 1..2
inline constexpr std::size_t kFirstFlowEntry = 20;  // 20..21 flow meters 1..2
inline constexpr std::size_t kLastReadingEntry = 21;

// "#,#0" rpm of a fan or pump speed code: 50 -> "1,500".
std::string speedText(int code);

// Rebuilds StatusText(2..21) from StatusBytes: whole C temperatures, rpm, and flows always in
// litres per minute as "0.0".
void mChangeData(const Settings& settings, ControllerState& state);

// Empties StatusText(2..21), as when the link is lost.
void clearReadingTexts(ControllerState& state);

} // namespace vrx
