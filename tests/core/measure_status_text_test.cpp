#include <gtest/gtest.h>

#include "measure/status_text.h"

namespace vrx {
namespace {

TEST(MeasureStatusText, BuildsEveryReadingFromTheCodes) {
    Settings settings;
    SetDefaults(settings, "/tmp/");
    settings.pump.FlowMeterModel = {2, 1};
    settings.pump.TubeSize = {2, 1};
    settings.pump.FlowUnit = 2; // texts stay in litres per minute regardless

    ControllerState state;
    state.StatusText.fill("stale");
    const std::int16_t temps[10] = {62, 32, 192, 97, 1, 254, 0, 31, 193, 100};
    for (int i = 0; i < 10; ++i)
        state.StatusBytes[2 + i] = temps[i];
    const std::int16_t speeds[8] = {50, 0, 1, 255, 34, 33, 100, 70};
    for (int j = 0; j < 8; ++j)
        state.StatusBytes[12 + j] = speeds[j];
    state.StatusBytes[20] = 10;
    state.StatusBytes[21] = 0;

    mChangeData(settings, state);

    const char* expected[] = {"0",     "-30", "130", "35",    "",      "",    "",      "",      "",    "38",
                              "1,500", "0",   "30",  "7,650", "1,020", "990", "3,000", "2,100", "1.6", "0.0"};
    for (int k = 0; k < 20; ++k) {
        SCOPED_TRACE(k + 2);
        EXPECT_EQ(state.StatusText[2 + k], expected[k]);
    }
    EXPECT_EQ(state.StatusText[0], "stale"); // only the readings are rebuilt
    EXPECT_EQ(state.StatusText[22], "stale");

    clearReadingTexts(state);
    for (int k = 2; k <= 21; ++k)
        EXPECT_EQ(state.StatusText[k], "");
    EXPECT_EQ(state.StatusText[1], "stale");
}

} // namespace
} // namespace vrx
