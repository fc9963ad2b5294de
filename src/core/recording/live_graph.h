#pragma once
// The live graph of the main window: the last 61 one-second samples of every channel, the group
// shown (temperatures, fans, pumps, flows), auto-cycling, and what to draw, all in the chart's own
// units (twips: 4800 wide, 1900 high, y downwards).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/controller_state.h"
#include "settings/settings_record.h"

namespace vrx {

inline constexpr int kGraphWidth = 4800;
inline constexpr int kGraphHeight = 1900;
inline constexpr int kGraphStep = 80;       // x distance of two samples
inline constexpr int kGraphSamples = 61;    // 0..60, 60 the newest
inline constexpr double kNoTemperature = -31;

enum GraphGroup : int { GroupTemperature = 1, GroupFan = 2, GroupPump = 3, GroupFlow = 4 };

struct GraphLine {
    int x1, y1, x2, y2;
    std::int32_t color; // 0x00BBGGRR
    friend bool operator==(const GraphLine&, const GraphLine&) = default;
};

// A channel's legend mark next to its row on the main window.
struct LegendMark {
    bool visible = false;
    std::int32_t color = 0;
};

// Check marks of the graph menu: group items 1..4 and time items 0..3.
struct GraphMenuChecks {
    std::array<bool, 5> group{}; // index 1..4 used
    std::array<bool, 4> time{};
};

class LiveGraph {
public:
    // At start: temperatures -31, everything else 0, counter 0, CycleCurrent from CycleMode (0 -> 1).
    void reset(const Settings& s);

    // One tick: auto-cycle, shift, new sample from the latest status. May write "0" into an empty
    // flow text of StatusText. Returns true when the group changed (the axis needs new labels).
    bool TimerGraph_Timer(const Settings& s, ControllerState& state);

    // Segments of the drawn channels of a group (grid not included).
    std::vector<GraphLine> mDrawGraph(int group, const Settings& s) const;
    // Grid lines: verticals at x = 0, 80 .. 4800, horizontals at y = 0, 270 .. 1890 (to x = 5400).
    static std::vector<GraphLine> mGraphLine(std::int32_t gridColor);
    // Title (index 0) and scale labels 1..8 from the bottom up, for a group.
    static std::array<std::string, 9> gSetGraphAxis(int group, const Settings& s);
    // y of a value in a group's scale, rounded to whole units.
    static int yOf(int group, double value);

    // Legend marks in channel order: temperatures 0..9, fans 10..15, pumps 16..17, flows 18..19.
    static std::array<LegendMark, 20> gSetSColor(const Settings& s);

    // Graph menu choices; each updates the settings (the caller saves the system file and sets the axis).
    void chooseGroup(int group, Settings& s);
    void chooseTime(int timeIndex, Settings& s);
    static GraphMenuChecks menuChecks(const Settings& s);
    // Shows the group CycleMode names (temperatures for auto-cycle), keeping the history.
    void showModeGroup(const Settings& s);

    int cycleCurrent() const { return m_cycleCurrent; }
    int cycleCounter() const { return m_cycleCounter; }
    // Channel 1..20, sample 0..60.
    double sample(int channel, int k) const { return m_history[static_cast<std::size_t>(channel)][static_cast<std::size_t>(k)]; }

private:
    std::array<std::array<double, kGraphSamples>, 21> m_history{}; // channel 0 unused
    int m_cycleCounter = 0;
    int m_cycleCurrent = 1;
};

} // namespace vrx
