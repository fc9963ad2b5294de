#pragma once
// Geometry the viewer's four charts share with the capture: which channels a chart draws, where a
// value and a line land on the drawing surface (twips, y growing downwards), and the grid.
#include <vector>

#include "recording/recording_model.h"

namespace vrx {

enum class LogChart { Temperatures = 0, Fans = 1, Pumps = 2, Flows = 3 };

inline constexpr int kChartLeft = 450;   // x of line 0
inline constexpr int kChartWidth = 7200; // x span of a whole file

struct ChannelRange {
    int first, count; // channels 1..20
};
ChannelRange chartChannels(LogChart chart);

// y of a stored value (C, rpm or litres per minute) on the chart's fixed scale, rounded to a whole
// twip. kNoValue lands below the visible surface.
int chartY(LogChart chart, double value);

// x of data line n for a cursor step.
int lineX(int n, int cursorStep);
// x of the cursor at slider position p. A limit below 1 never reaches here from a loaded file;
// it leaves the cursor at the left edge rather than dividing by it.
int cursorX(int p, int lineLimit);

// Horizontal grid lines' y and vertical grid lines' x.
std::vector<int> horizontalGrid(LogChart chart);
std::vector<int> verticalGrid(int gridStep);

} // namespace vrx
