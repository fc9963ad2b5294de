#include "output_menu.h"

#include <QAction>
#include <QStringList>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

#include "settings/settings_record.h"
#include "fakes/default_settings.h"

namespace vrx::gui {
namespace {

using test::defaults;

// A menu's items as text: "-" a separator, "*" checked, "[hidden]", "[off]" disabled.
std::string shown(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) {
        QString item = a->isSeparator() ? "-" : a->text();
        if (a->isChecked()) item += "*";
        if (!a->isVisible())
            item += "[hidden]";
        else if (!a->isEnabled())
            item += "[off]"; // a hidden action also reads as disabled
        out << item;
    }
    return out.join(" | ").toStdString();
}

QMenu* named(const OutputPopupMenu& menu, const char* name) {
    auto* sub = menu.findChild<QMenu*>(name);
    EXPECT_NE(sub, nullptr) << name;
    return sub;
}

TEST(OutputMenu, TopItemsFollowTheControllerType) {
    struct Case {
        OutputKind kind;
        int boardType;
        const char* objectName;
        QStringList items;
    };
    const Case cases[] = {
        {OutputKind::Fan, 2, "TopFanMnu", {"Fan1", "Fan2", "Fan3", "Fan4", "Fan5", "Fan6", "-", "All Fans"}},
        {OutputKind::Fan,
         1,
         "TopFanMnu",
         {"Fan1", "Fan2", "Fan3", "Fan4[hidden]", "Fan5[hidden]", "Fan6[hidden]", "-", "All Fans"}},
        {OutputKind::Pump,
         2,
         "TopPumpMnu",
         {"Pump1", "Pump2", "-", "All Pumps", "Pump Characteristics"}},
        {OutputKind::Pump,
         1,
         "TopPumpMnu",
         {"Pump1", "Pump2[hidden]", "-", "All Pumps[hidden]", "Pump Characteristics"}},
    };
    for (const Case& c : cases) {
        OutputPopupMenu menu(c.kind);
        menu.setModel(buildOutputMenu(defaults(c.boardType), c.kind));
        EXPECT_EQ(menu.objectName(), c.objectName);
        EXPECT_EQ(shown(&menu), c.items.join(" | ").toStdString())
            << c.objectName << " board " << c.boardType;
    }
}

TEST(OutputMenu, SubmenusCarryTheLevelCaptionsAndOneCheck) {
    Settings s = defaults(2);
    s.sys.FanLevelTable(2, 5) = 65;
    OutputPopupMenu fans(OutputKind::Fan);
    fans.setModel(buildOutputMenu(s, OutputKind::Fan));
    EXPECT_EQ(named(fans, "Fanmnu2")->title(), "Fan2");
    EXPECT_EQ(shown(named(fans, "Fanmnu2")),
              QStringList({"Auto", "Adjust", "-", "Level 1 (10%)", "Level 2 (20%)", "Level 3 (30%)",
                           "Level 4 (40%)", "Level 5 (65%)", "Level 6 (60%)", "Level 7 (70%)",
                           "Level 8 (80%)", "Level 9 (90%)", "Level 10 (100%)*", "-", "Disable"})
                  .join(" | ")
                  .toStdString());
    EXPECT_EQ(named(fans, "Fanmnu7")->title(), "All Fans");
    EXPECT_EQ(fans.submenu(0), named(fans, "Fanmnu7"));

    OutputPopupMenu pumps(OutputKind::Pump);
    pumps.setModel(buildOutputMenu(s, OutputKind::Pump));
    EXPECT_EQ(named(pumps, "Pumpmnu3")->title(), "All Pumps");
    EXPECT_EQ(shown(named(pumps, "Pumpmnu1")),
              QStringList({"Auto", "Adjust", "-", "Level 1 (7.65V)", "Level 2 (7.72V)", "Level 3 (7.80V)",
                           "Level 4 (7.91V)", "Level 5 (8.06V)", "Level 6 (8.26V)", "Level 7 (8.56V)",
                           "Level 8 (9.05V)", "Level 9 (10.01V)", "Level 10 (12.73V)*"})
                  .join(" | ")
                  .toStdString());
}

TEST(OutputMenu, EachOpeningShowsTheChecksOfThatMoment) {
    Settings s = defaults(2);
    OutputPopupMenu fans(OutputKind::Fan);
    fans.setModel(buildOutputMenu(s, OutputKind::Fan));
    s.fan.FanGroup = 0;
    s.fan.FanLevel[3] = 5;
    fans.setModel(buildOutputMenu(s, OutputKind::Fan));
    auto checkedItems = [&](const char* name) {
        std::vector<int> items;
        for (const QAction* a : named(fans, name)->actions())
            if (a->isChecked()) items.push_back(a->property("index").toInt());
        return items;
    };
    EXPECT_EQ(checkedItems("Fanmnu3"), std::vector<int>{5});
    EXPECT_EQ(checkedItems("Fanmnu1"), std::vector<int>{12});
    EXPECT_TRUE(checkedItems("Fanmnu7").empty()); // no group check after an individual choice
    EXPECT_EQ(fans.actions().size(), 8);          // rebuilt, not added to
    EXPECT_EQ(named(fans, "Fanmnu3")->actions().size(), 15);
}

TEST(OutputMenu, ChoosingAnItemNamesKindUnitAndItem) {
    struct Case {
        OutputKind kind;
        const char* submenu;
        int item;
        int unit;
    };
    const Case cases[] = {
        {OutputKind::Fan, "Fanmnu7", 14, 0},  {OutputKind::Fan, "Fanmnu3", 0, 3},
        {OutputKind::Fan, "Fanmnu6", 1, 6},   {OutputKind::Pump, "Pumpmnu3", 12, 0},
        {OutputKind::Pump, "Pumpmnu2", 3, 2},
    };
    for (const Case& c : cases) {
        OutputPopupMenu menu(c.kind);
        menu.setModel(buildOutputMenu(defaults(2), c.kind));
        std::vector<std::tuple<OutputKind, int, int>> chosen;
        QObject::connect(&menu, &OutputPopupMenu::itemChosen,
                         [&](OutputKind k, int unit, int item) { chosen.emplace_back(k, unit, item); });
        for (QAction* a : named(menu, c.submenu)->actions())
            if (!a->isSeparator() && a->property("index").toInt() == c.item) a->trigger();
        EXPECT_EQ(chosen, (std::vector<std::tuple<OutputKind, int, int>>{{c.kind, c.unit, c.item}}))
            << c.submenu;
    }
}

} // namespace
} // namespace vrx::gui
