#pragma once
// What the viewer shows of a loaded recording: header labels, time labels, read-outs at the
// cursor, temperature extremes and unit switching. Pure functions of the model, so a failed load
// that keeps the previous model keeps every text too.
#include <array>
#include <optional>
#include <string>

#include "recording/recording_model.h"

namespace vrx {

// Units of the viewer's figures. Stored values stay in C, rpm and litres per minute.
struct ViewUnits {
    char temp = 'C';     // ViewTempUnit, 'C' or 'F'
    bool flowLpm = true; // ViewFlowLpm
};

// mTempChang / mFlowUnitChang: the other unit.
ViewUnits mTempChang(ViewUnits u);
ViewUnits mFlowUnitChang(ViewUnits u);

// "1 min", "10 min", "30 min", "1 hour" for 60, 600, 1800, 3600 lines; otherwise "Unknown".
std::string intervalText(int lineLimit);

// Chart units per data line and between vertical grid lines; an unknown limit keeps previous.
int cursorStepFor(int lineLimit, int previous);
int gridStepFor(int lineLimit, int previous);

// LabTime 0: "mm/dd/yy hh:mm:ss" of the first data line.
std::string startText(const Recording& r);
// LabTime 1: the start plus LogLineLimit seconds, "mm/dd/yy, hh:mm:ss".
std::string endText(const Recording& r);
// LabFlow and LabHose of flow meter 0 or 1.
std::string flowModelText(const Recording& r, int meter);
std::string tubingText(const Recording& r, int meter);

// Elapsed seconds as "hh:mm:ss" (hours go on past 23).
std::string elapsedText(int seconds);
// The five time-axis labels: quarters of the file from 00:00:00; all 00:00:00 for an unknown limit.
std::array<std::string, 5> timeLabels(int lineLimit);

// LabPoint at slider position p: elapsed time, then " [" + the line's time + "]".
std::string pointText(const Recording& r, int p);

// A Celsius figure in the viewer's unit: C as a plain number, F as the rounded C x 1.8, plus 32.
std::string temperatureFigure(double celsius, char unit);

// Whether channel 1..20 shows anything on this board: a small board has no temperatures 6-10,
// fans 4-6, pump 2 or flow meter 2.
bool channelOnBoard(const Recording& r, int channel);

// mShowPoint: LabLogs 0-19 at slider position p.
std::array<std::string, kLogChannels> mShowPoint(const Recording& r, int p, ViewUnits u);

// mMaxMin: the Celsius extremes of temperature channels 1-10 that are recorded; none when the
// channel never has a value.
struct TempExtremes {
    std::optional<double> max, min;
};
std::array<TempExtremes, kTempChannels> mMaxMin(const Recording& r);

// The 17 temperature axis labels (130, 120 ... -30 C) and the 26 flow axis labels (label i for
// i litres per minute), in the view's unit.
std::array<std::string, 17> temperatureAxisLabels(char unit);
std::array<std::string, 26> flowAxisLabels(bool lpm);
// "Flow Meter (LPM)" or "Flow Meter (GPM)".
std::string flowCaption(bool lpm);

} // namespace vrx
