#pragma once
// What the program's core asks of the main window.
#include <string>

#include "app/form_layout.h"
#include "app/status_display.h"
#include "recording/live_graph.h"

#include <array>
#include <vector>

namespace vrx {

enum class MainTimer { Scan, Com, View, ShutDown, Graph, Log };

struct ScreenInfo {
    int widthTwips = 0;
    int heightTwips = 0;
    int twipsPerPixel = 15;
};

class MainView {
public:
    virtual ~MainView() = default;
    virtual ScreenInfo screen() const = 0;
    virtual void moveToTwips(int left, int top) = 0;
    virtual void setWidthTwips(int width) = 0;
    virtual int leftTwips() const = 0;
    virtual int topTwips() const = 0;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
    virtual void applyLayout(const FormLayout& layout) = 0; // size, art, rows, rounded shape
    virtual void setNameBox(int index, const std::string& text) = 0;
    virtual void clearTempLabel(int index) = 0;
    // Writes the rows the display covers; unchanged texts and values cause no repaint.
    virtual void showStatus(const StatusDisplay& display) = 0;
    // Empties every reading text and sets every bar to 0.
    virtual void clearReadings() = 0;
    // The live graph: title and scale labels, the picture, its colours, the legend marks.
    virtual void setGraphAxis(const std::array<std::string, 9>& labels) = 0;
    virtual void drawGraph(const std::vector<GraphLine>& grid, const std::vector<GraphLine>& lines) = 0;
    virtual void setGraphColors(std::int32_t backColor, std::int32_t textColor) = 0;
    virtual void setLegend(const std::array<LegendMark, 20>& marks) = 0;
    virtual void setFanBarStyle(int style) = 0;
    virtual void setActivityImageVisible(bool visible) = 0;
    virtual void setVersionLabel(const std::string& text) = 0;
    virtual void setLinkStatus(const std::string& text) = 0;
    virtual void setAlwaysOnTop(bool onTop) = 0;
    virtual void setTaskbarButton() = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    virtual void setTimerEnabled(MainTimer timer, bool enabled) = 0;
    virtual bool timerEnabled(MainTimer timer) const = 0;
    virtual void closeAllAndQuit() = 0;
};

} // namespace vrx
