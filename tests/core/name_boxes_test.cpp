#include "app/name_boxes.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

TEST(NameBoxes, EachBoxEditsItsOwnField) {
    Settings s;
    SetDefaults(s, "/vrx/");
    const struct {
        int box;
        const std::string* field;
    } cases[] = {
        {0, &s.temp.TempName[0]}, {9, &s.temp.TempName[9]},   {10, &s.pump.FlowName[0]},
        {11, &s.pump.PumpName[0]}, {12, &s.pump.FlowName[1]}, {13, &s.pump.PumpName[1]},
        {14, &s.fan.FanName[0]},  {19, &s.fan.FanName[5]},
    };
    for (const auto& c : cases) EXPECT_EQ(&nameField(s, c.box), c.field) << c.box;
    const std::pair<int, const char*> purposes[] = {
        {0, "Name of temperature channel 1"}, {9, "Name of temperature channel 10"}, {10, "Name of flow meter 1"},
        {13, "Name of pump 2"},               {19, "Name of fan 6"},
    };
    for (const auto& [box, purpose] : purposes) EXPECT_EQ(nameBoxPurpose(box), purpose);
    EXPECT_THROW(nameField(s, 20), std::out_of_range);
    EXPECT_THROW(nameField(s, -1), std::out_of_range);
}

TEST(NameBoxes, TypedNamesAreTrimmedAndCutByKind) {
    const struct {
        int box;
        std::string typed, stored;
    } cases[] = {
        // Channel names lose surrounding blanks, device names keep them.
        {0, "  CPU  ", "CPU"},
        {9, "\tGPU ", "GPU"},
        {14, " Top ", " Top "},
        {10, " Loop ", " Loop "},
        {0, "", ""},
        {0, "     ", ""},
        {19, "  ", "  "},
        // Longest names: 8 for channels, 11 for flow meters and pumps, 7 for fans.
        {3, "Radiator", "Radiator"},
        {3, "Radiators", "Radiator"},
        {3, "   Radiator in  ", "Radiator"}, // trimmed first, then cut
        {10, "Flow meter AB", "Flow meter "},
        {13, "Pump number 2", "Pump number"},
        {16, "Exhaust fan", "Exhaust"},
        {16, "  Exhaust", "  Exhau"},
        // Characters, not bytes: a multi-byte character is never split.
        {0, "Kühler 12", "Kühler 1"},
        {14, "ÄÖÜäöüßé", "ÄÖÜäöüß"},
    };
    for (const auto& c : cases) EXPECT_EQ(storedName(c.box, c.typed), c.stored) << c.box << " '" << c.typed << "'";
    const int limits[][2] = {{0, 8}, {9, 8}, {10, 11}, {11, 11}, {12, 11}, {13, 11}, {14, 7}, {19, 7}};
    for (const auto& l : limits) EXPECT_EQ(nameBoxLimit(l[0]), l[1]) << l[0];
}

TEST(NameBoxes, EnterAndUpWalkTheBoxesTheControllerShows) {
    const std::vector<int> small = {0, 1, 2, 3, 4, 10, 11, 14, 15, 16};
    EXPECT_EQ(nameBoxOrder(1), small);
    EXPECT_EQ(nameBoxOrder(0), small); // any type but the full board
    EXPECT_EQ(nameBoxOrder(2).size(), 20u);
    const struct {
        int boardType, box, next, previous;
    } cases[] = {
        {1, 0, 1, -1},   {1, 4, 10, 3},   {1, 10, 11, 4}, {1, 11, 14, 10},
        {1, 16, -1, 15}, {1, 12, -1, -1}, // not shown on the small board
        {2, 0, 1, -1},   {2, 4, 5, 3},    {2, 9, 10, 8},  {2, 11, 12, 10},
        {2, 13, 14, 12}, {2, 19, -1, 18},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextNameBox(c.box, c.boardType), c.next) << c.boardType << "/" << c.box;
        EXPECT_EQ(previousNameBox(c.box, c.boardType), c.previous) << c.boardType << "/" << c.box;
    }
}

} // namespace
} // namespace vrx
