#pragma once
// The main window's twenty name boxes: which name each one edits, how long a name may be, how a
// typed name is stored, and the order Enter and Up walk them in.
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"

namespace vrx {

inline constexpr int kNameBoxes = 20;
// Boxes 0..9 temperature channels, 10 and 12 flow meters, 11 and 13 pumps, 14..19 fans.
inline constexpr int kFirstFlowBox = 10;
inline constexpr int kFirstFanBox = 14;

// The settings field box `box` (0..19) edits.
std::string& nameField(Settings& settings, int box);
const std::string& nameField(const Settings& settings, int box);

// What the box is for, for a screen reader: "Name of temperature channel 1", "Name of fan 6".
std::string nameBoxPurpose(int box);

// Longest name a box takes, in characters: the width the recording header gives the name.
int nameBoxLimit(int box);

// What is stored for the text typed into a box: channel names lose their surrounding blanks,
// device names keep them; every name is cut to its box's limit (counted in characters, so a
// multi-byte character is never split).
std::string storedName(int box, std::string_view typed);

// The boxes a controller type shows, in the order Enter walks them.
std::vector<int> nameBoxOrder(int boardType);

// Neighbours in that order; -1 past the last (Enter) or before the first (Up), or when `box` is
// not shown on this controller type.
int nextNameBox(int box, int boardType);
int previousNameBox(int box, int boardType);

} // namespace vrx
