#pragma once
#include <map>
#include <optional>
#include <string>

#include "app/main_view.h"

namespace vrx::test {

// A main window that only remembers what it was told.
class FakeMainView : public MainView {
public:
    ScreenInfo screenInfo{19200, 14400, 15};
    int left = 0, top = 0, width = 8775, height = 4822;
    std::optional<FormLayout> layout;
    std::map<int, std::string> nameBoxes;
    std::map<int, int> clearedTemps;
    std::map<MainTimer, bool> timers;
    std::string versionLabel, linkStatus;
    bool visible = false, onTop = false, taskbar = false, quit = false, activityImage = true;
    int fanBarStyle = 1;
    int shows = 0;

    ScreenInfo screen() const override { return screenInfo; }
    void moveToTwips(int l, int t) override {
        left = l;
        top = t;
    }
    void setWidthTwips(int w) override { width = w; }
    int leftTwips() const override { return left; }
    int topTwips() const override { return top; }
    int widthTwips() const override { return width; }
    int heightTwips() const override { return height; }
    void applyLayout(const FormLayout& l) override {
        layout = l;
        width = l.windowWidth;
        height = l.windowHeight;
    }
    void setNameBox(int index, const std::string& text) override { nameBoxes[index] = text; }
    void clearTempLabel(int index) override { ++clearedTemps[index]; }
    std::optional<StatusDisplay> status;
    void showStatus(const StatusDisplay& d) override { status = d; }
    int clears = 0;
    void clearReadings() override { ++clears; }
    std::array<std::string, 9> graphAxis{};
    std::vector<GraphLine> graphGrid, graphLines;
    int graphDraws = 0;
    std::int32_t graphBack = -1, graphText = -1;
    std::optional<std::array<LegendMark, 20>> legend;
    void setGraphAxis(const std::array<std::string, 9>& labels) override { graphAxis = labels; }
    void drawGraph(const std::vector<GraphLine>& grid, const std::vector<GraphLine>& lines) override {
        graphGrid = grid;
        graphLines = lines;
        ++graphDraws;
    }
    void setGraphColors(std::int32_t back, std::int32_t text) override {
        graphBack = back;
        graphText = text;
    }
    void setLegend(const std::array<LegendMark, 20>& marks) override { legend = marks; }
    void setFanBarStyle(int style) override { fanBarStyle = style; }
    void setActivityImageVisible(bool v) override { activityImage = v; }
    void setVersionLabel(const std::string& text) override { versionLabel = text; }
    void setLinkStatus(const std::string& text) override { linkStatus = text; }
    void setAlwaysOnTop(bool v) override { onTop = v; }
    void setTaskbarButton() override { taskbar = true; }
    void showWindow() override {
        visible = true;
        ++shows;
    }
    void hideWindow() override { visible = false; }
    void setTimerEnabled(MainTimer t, bool enabled) override { timers[t] = enabled; }
    bool timerEnabled(MainTimer t) const override {
        auto it = timers.find(t);
        return it != timers.end() && it->second;
    }
    void closeAllAndQuit() override { quit = true; }
};

} // namespace vrx::test
