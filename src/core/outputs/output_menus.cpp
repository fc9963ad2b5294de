#include "outputs/output_menus.h"

namespace vrx {

namespace {

int checkedItem(const Settings& s, OutputKind kind, int unit) {
    const bool group = groupFlag(s, kind) == 1;
    if (!group && unit == 0) return -1; // after an individual choice the group submenu has none
    return effectiveLevel(kind, levelSetting(s, kind, group ? 0 : unit));
}

LevelSubmenu submenu(const Settings& s, OutputKind kind, int unit) {
    LevelSubmenu m;
    m.captions = mLevelCaption(s, kind, unit);
    m.checked = checkedItem(s, kind, unit);
    return m;
}

} // namespace

std::array<std::string, kSubmenuItems> mLevelCaption(const Settings& s, OutputKind kind, int unit) {
    std::array<std::string, kSubmenuItems> captions;
    captions[kLevelAuto] = "Auto";
    captions[kLevelAdjust] = "Adjust";
    for (int n = 1; n <= kLevels; ++n)
        captions[static_cast<std::size_t>(n + 2)] = levelCaption(kind, n, levelTable(s, kind, unit, n));
    if (kind == OutputKind::Fan) captions[kLevelDisable] = "Disable";
    return captions;
}

OutputMenu buildOutputMenu(const Settings& s, OutputKind kind) {
    OutputMenu menu;
    const bool full = s.sys.BoardType == 2;
    if (kind == OutputKind::Fan) {
        menu.items = {"Fan1", "Fan2", "Fan3", "Fan4", "Fan5", "Fan6", "", "All Fans"};
        menu.visible = {true, true, true, full, full, full, true, true};
        menu.itemOfUnit = {7, 0, 1, 2, 3, 4, 5};
    } else {
        menu.items = {"Pump1", "Pump2", "", "All Pumps", "Pump Characteristics"};
        menu.visible = {true, full, true, full, true};
        menu.itemOfUnit = {3, 0, 1};
    }
    menu.enabled.assign(menu.items.size(), true);
    for (int unit = 0; unit < entryCount(kind); ++unit)
        menu.submenus.push_back(submenu(s, kind, unit));
    return menu;
}

} // namespace vrx
