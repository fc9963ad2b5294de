#pragma once
// What the program's core asks of the main window.
#include <string>

#include "app/form_layout.h"
#include "app/status_display.h"

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
