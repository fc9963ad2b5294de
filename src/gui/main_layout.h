#pragma once
// Where every element of the main window goes, in twips, for one arrangement. The art and the
// widgets both read it, so panels and rows always line up.
#include <QRect>
#include <array>
#include <vector>

#include "app/form_layout.h"

namespace vrx::gui {

enum class DeviceKind { Fan, Pump, Flow };

// One device row cell: a fan or flow meter in half the panel's width, or a pump across it.
struct DeviceCell {
    DeviceKind kind;
    int index;        // fan 0..5, pump 0..1, flow 0..1
    QRect mark, name, bar, value, drive; // drive: pumps only
};

struct TempRowRects {
    QRect mark, name, bar, value;
};

struct MainLayoutRects {
    QRect header, tempPanel, graphPanel, devicePanel;
    QRect graph;                       // the chart's picture, 4800 x 1900
    std::array<QRect, 9> graphLabels;  // title, then scale labels 1..8 from the bottom up
    std::array<TempRowRects, 10> temps;
    std::vector<DeviceCell> devices;   // only the cells the arrangement shows
    QRect version, linkStatus, activity, alarmMode, hideButton, exitButton;
    std::array<QRect, 7> commandButtons; // the row of command buttons in the header, by index
};

MainLayoutRects computeMainLayout(const FormLayout& layout);

} // namespace vrx::gui
