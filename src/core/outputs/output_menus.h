#pragma once
// The fan and pump menus as a model: captions, check marks and which items exist. Built from the
// settings each time a menu is shown, so a menu can never disagree with what is stored.
#include <array>
#include <string>
#include <vector>

#include "outputs/levels.h"

namespace vrx {

inline constexpr int kSubmenuItems = 15; // 0 Auto, 1 Adjust, 2 separator, 3..12 levels, 13 sep, 14 Disable

struct LevelSubmenu {
    std::array<std::string, kSubmenuItems> captions; // "" for separators and absent items
    int checked = -1;                                 // item index, or -1 for none
};

struct OutputMenu {
    // The top menu: captions by index ("" = separator) and whether each item is shown / enabled.
    std::vector<std::string> items;
    std::vector<bool> visible;
    std::vector<bool> enabled;
    // Submenu of each top item that has one, by unit: [0] is the group ("All Fans"), then 1..n.
    std::vector<LevelSubmenu> submenus;
    // Top item index that opens the submenu of unit u.
    std::vector<int> itemOfUnit;
};

OutputMenu buildOutputMenu(const Settings& s, OutputKind kind);

// The captions of unit u's submenu, the level items built from the unit's table column.
std::array<std::string, kSubmenuItems> mLevelCaption(const Settings& s, OutputKind kind, int unit);

// "Pump Characteristics": the pump test, chosen as top item (unit -1).
inline constexpr int kPumpCharacteristicsItem = 4;

} // namespace vrx
