#include "main_layout.h"

#include "recording/live_graph.h"

namespace vrx::gui {
namespace {

constexpr int kRightLeft = 3220, kRightRight = 8720;
constexpr int kGraphLeft = 3860, kGraphTop = 1250;
constexpr int kDevicePanelTop = 3260;
constexpr int kMarkSize = 150;

QRect t(int left, int top, int width, int height) { return {left, top, width, height}; }

DeviceCell cell(DeviceKind kind, int index, int left, int top, int width, int rowH) {
    DeviceCell c{kind, index, {}, {}, {}, {}, {}};
    c.mark = t(left, top + (rowH - kMarkSize) / 2, kMarkSize, kMarkSize);
    c.name = t(left + 200, top, 850, rowH);
    const int barH = rowH * 3 / 5;
    const int barTop = top + (rowH - barH) / 2;
    if (kind == DeviceKind::Pump) {
        c.bar = t(left + 1100, barTop, 1450, barH);
        c.drive = t(left + 2620, top, 1400, rowH);
        c.value = t(left + width - 1100, top, 1100, rowH);
    } else if (kind == DeviceKind::Fan) {
        c.bar = t(left + 1100, barTop, 450, barH);
        c.value = t(left + 1560, top, width - 1560, rowH);
    } else {
        c.value = t(left + 1100, top, width - 1100, rowH);
    }
    return c;
}

} // namespace

MainLayoutRects computeMainLayout(const FormLayout& l) {
    MainLayoutRects r;
    const bool full = l.fullBoardRows;
    const int bottom = l.versionLabelTop - 80;
    r.header = t(0, 0, l.windowWidth, 900);

    // Temperatures: the rows the arrangement places, in the left panel.
    const int rowH = full ? 300 : 340;
    r.tempPanel = t(120, l.firstRowTop - 330, 3040, bottom - (l.firstRowTop - 330));
    for (int i = 0; i < 10; ++i) {
        const int top = l.rowTop(i);
        auto& row = r.temps[static_cast<std::size_t>(i)];
        row.mark = t(200, l.swatchTop(i) - 40 + (rowH - kMarkSize) / 2, kMarkSize, kMarkSize);
        row.name = t(400, top, 1100, rowH);
        row.bar = t(1540, top + rowH / 5, 800, rowH * 3 / 5);
        row.value = t(2360, top, 740, rowH);
    }

    // The live graph: scale labels left of the picture, the title above it.
    r.graphPanel = t(kRightLeft, 930, kRightRight - kRightLeft, kDevicePanelTop - 60 - 930);
    r.graph = t(kGraphLeft, kGraphTop, kGraphWidth, kGraphHeight);
    r.graphLabels[0] = t(kGraphLeft, 960, 4800, 260);
    for (int k = 1; k <= 8; ++k)
        r.graphLabels[static_cast<std::size_t>(k)] =
            t(kRightLeft + 20, kGraphTop + kGraphHeight - 270 * (k - 1) - 110, kGraphLeft - kRightLeft - 70, 220);

    // Fans, pumps and flows below the graph: half-width cells, pumps across the panel.
    r.devicePanel = t(kRightLeft, kDevicePanelTop, kRightRight - kRightLeft, bottom - kDevicePanelTop);
    const int left = kRightLeft + 60, width = kRightRight - kRightLeft - 120;
    const int half = width / 2 - 40, rightHalf = left + width / 2 + 40;
    const int devRowH = full ? 270 : 300;
    const int firstTop = kDevicePanelTop + 240, step = full ? 290 : 330;
    auto top = [&](int row) { return firstTop + step * row; };
    if (full) {
        for (int i = 0; i < 3; ++i) {
            r.devices.push_back(cell(DeviceKind::Fan, i, left, top(i), half, devRowH));
            r.devices.push_back(cell(DeviceKind::Fan, i + 3, rightHalf, top(i), half, devRowH));
        }
        r.devices.push_back(cell(DeviceKind::Pump, 0, left, top(3), width, devRowH));
        r.devices.push_back(cell(DeviceKind::Pump, 1, left, top(4), width, devRowH));
        r.devices.push_back(cell(DeviceKind::Flow, 0, left, top(5), half, devRowH));
        r.devices.push_back(cell(DeviceKind::Flow, 1, rightHalf, top(5), half, devRowH));
    } else {
        r.devices.push_back(cell(DeviceKind::Fan, 0, left, top(0), half, devRowH));
        r.devices.push_back(cell(DeviceKind::Fan, 1, rightHalf, top(0), half, devRowH));
        r.devices.push_back(cell(DeviceKind::Fan, 2, left, top(1), half, devRowH));
        r.devices.push_back(cell(DeviceKind::Flow, 0, rightHalf, top(1), half, devRowH));
        r.devices.push_back(cell(DeviceKind::Pump, 0, left, top(2), width, devRowH));
    }

    r.version = t(300, l.versionLabelTop - 40, 6000, 250);
    // Seven small command buttons right of the title; the row stays clear of the longest link
    // status text, which grows leftwards from the activity mark.
    for (int k = 0; k < 7; ++k) r.commandButtons[static_cast<std::size_t>(k)] = t(1350 + 440 * k, 330, 400, 300);
    r.linkStatus = t(4600, 300, 2900, 300);
    r.activity = t(7450, 330, 250, 250);
    r.alarmMode = t(7450, 620, 250, 250); // under the activity mark
    if (l.largeFontButtons) {
        r.hideButton = t(7850, 140, 348, 204);
        r.exitButton = t(8260, 140, 348, 204);
    } else {
        r.hideButton = t(7850, 300, 300, 300);
        r.exitButton = t(8260, 300, 300, 300);
    }
    return r;
}

} // namespace vrx::gui
