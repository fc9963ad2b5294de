// Chart geometry: the fixed scales' ends, where lines and the cursor land, and the grids.
#include <gtest/gtest.h>

#include "recording/log_chart.h"

namespace vrx {
namespace {

TEST(LogChart, ScalesPutTheirRangesBetweenTopAndBottomGridLines) {
    const struct {
        LogChart chart;
        double top, bottom;
        int firstChannel, channels;
        std::size_t gridLines;
        int lastGridY;
    } cases[] = {
        {LogChart::Temperatures, 130, -30, 1, 10, 17, 7600},
        {LogChart::Fans, 7500, 0, 11, 6, 16, 7580},
        {LogChart::Pumps, 7500, 0, 17, 2, 16, 7580},
        {LogChart::Flows, 25, 0, 19, 2, 26, 7580},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chartY(c.chart, c.top), 80);
        EXPECT_EQ(chartY(c.chart, c.bottom), c.lastGridY);
        EXPECT_GT(chartY(c.chart, kNoValue), c.lastGridY); // no value lies below the surface
        EXPECT_EQ(chartChannels(c.chart).first, c.firstChannel);
        EXPECT_EQ(chartChannels(c.chart).count, c.channels);
        const auto grid = horizontalGrid(c.chart);
        ASSERT_EQ(grid.size(), c.gridLines);
        EXPECT_EQ(grid.front(), 80);
        EXPECT_EQ(grid.back(), c.lastGridY);
    }
    EXPECT_EQ(chartY(LogChart::Flows, 1.5), 7130);
    EXPECT_LT(chartY(LogChart::Flows, 1e16), -1000); // off the top, without overflowing
    EXPECT_GT(chartY(LogChart::Fans, -1e16), 10000);
}

TEST(LogChart, LinesAndTheCursorSpanTheWidthForEveryLimit) {
    const struct { int limit, step; } cases[] = {{60, 120}, {600, 12}, {1800, 4}, {3600, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(lineX(c.limit, c.step), 7650);
        EXPECT_EQ(cursorX(c.limit, c.limit), 7650);
        EXPECT_EQ(cursorX(1, c.limit), 450 + c.step);
    }
    EXPECT_EQ(cursorX(7, 7), 450 + 7 * 1029); // rounded step of an unusual limit
    EXPECT_EQ(cursorX(5, 0), 450);            // never divides by a limit of 0
    EXPECT_EQ(verticalGrid(240).size(), 31u);
    EXPECT_EQ(verticalGrid(240).back(), 7650);
    EXPECT_EQ(verticalGrid(0), std::vector<int>{450});
}

} // namespace
} // namespace vrx
