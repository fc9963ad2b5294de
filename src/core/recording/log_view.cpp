#include "recording/log_view.h"

#include <cstdio>

#include "measure/flow.h"
#include "recording/log_reader.h"
#include "text/format.h"

namespace vrx {
namespace {

constexpr int kSecondsPerDay = 24 * 3600;

// Values the temperature figures treat as none besides kNoValue (one step outside the sensor's
// range; a logged file never holds them).
bool noTemperature(double v) {
    return v == kNoValue || v == -31.0 || v == 131.0;
}

std::string clockText(int h, int m, int s) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, s);
    return buf;
}

} // namespace

ViewUnits mTempChang(ViewUnits u) {
    u.temp = u.temp == 'C' ? 'F' : 'C';
    return u;
}

ViewUnits mFlowUnitChang(ViewUnits u) {
    u.flowLpm = !u.flowLpm;
    return u;
}

std::string intervalText(int lineLimit) {
    switch (lineLimit) {
    case 60:
        return "1 min";
    case 600:
        return "10 min";
    case 1800:
        return "30 min";
    case 3600:
        return "1 hour";
    default:
        return "Unknown";
    }
}

int cursorStepFor(int lineLimit, int previous) {
    switch (lineLimit) {
    case 60:
        return 120;
    case 600:
        return 12;
    case 1800:
        return 4;
    case 3600:
        return 2;
    default:
        return previous;
    }
}

int gridStepFor(int lineLimit, int previous) {
    switch (lineLimit) {
    case 60:
    case 600:
    case 3600:
        return 120;
    case 1800:
        return 240;
    default:
        return previous;
    }
}

std::string startText(const Recording& r) {
    return r.startDate + " " + r.time(1);
}

std::string endText(const Recording& r) {
    int year = r.start.year;
    int month = r.start.month;
    int day = r.start.day;
    int seconds = r.start.hour * 3600 + r.start.minute * 60 + r.start.second + r.LogLineLimit;
    for (; seconds >= kSecondsPerDay; seconds -= kSecondsPerDay) {
        if (++day <= daysInMonth(year, month)) continue;
        day = 1;
        if (++month <= 12) continue;
        month = 1;
        ++year;
    }
    char date[40];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d, ", month, day, year % 100);
    return date + clockText(seconds / 3600, seconds / 60 % 60, seconds % 60);
}

std::string flowModelText(const Recording& r, int meter) {
    return "[ZRT-VX" + r.LogFlowModel[static_cast<std::size_t>(meter)] + "]";
}

std::string tubingText(const Recording& r, int meter) {
    return std::string("Tubing(I.D.) : ") +
           (r.LogTubeCode[static_cast<std::size_t>(meter)] == "06" ? "6mm" : "10/13mm");
}

std::string elapsedText(int seconds) {
    return clockText(seconds / 3600, seconds / 60 % 60, seconds % 60);
}

std::array<std::string, 5> timeLabels(int lineLimit) {
    int step = 0;
    switch (lineLimit) {
    case 60:
        step = 15;
        break;
    case 600:
        step = 150;
        break;
    case 1800:
        step = 450;
        break;
    case 3600:
        step = 900;
        break;
    default:
        break;
    }
    std::array<std::string, 5> labels;
    for (int k = 0; k < 5; ++k)
        labels[static_cast<std::size_t>(k)] = elapsedText(k * step);
    return labels;
}

std::string pointText(const Recording& r, int p) {
    return elapsedText(p < 0 ? 0 : p) + " [" + r.time(p) + "]";
}

std::string temperatureFigure(double celsius, char unit) {
    if (unit == 'F') return formatPlain(roundHalfEven(celsius * 1.8) + 32.0);
    return formatPlain(celsius);
}

bool channelOnBoard(const Recording& r, int channel) {
    if (!r.smallBoard()) return true;
    switch (channelKind(channel)) {
    case ChannelKind::Temperature:
        return channel < kFirstTempChannel + 5;
    case ChannelKind::Fan:
        return channel < kFirstFanChannel + 3;
    case ChannelKind::Pump:
        return channel == kFirstPumpChannel;
    case ChannelKind::Flow:
        return channel == kFirstFlowChannel;
    }
    return false;
}

std::array<std::string, kLogChannels> mShowPoint(const Recording& r, int p, ViewUnits u) {
    std::array<std::string, kLogChannels> out;
    for (int c = 1; c <= kLogChannels; ++c) {
        if (!channelOnBoard(r, c)) continue;
        const double v = r.value(c, p);
        std::string& text = out[static_cast<std::size_t>(c - 1)];
        switch (channelKind(c)) {
        case ChannelKind::Temperature:
            if (!noTemperature(v)) text = temperatureFigure(v, u.temp);
            break;
        case ChannelKind::Fan:
        case ChannelKind::Pump:
            if (v != kNoValue && v != 0) text = formatWhole(v) + " RPM";
            break;
        case ChannelKind::Flow:
            if (v != kNoValue)
                text = formatFixed(v, 2) + " LPM / " + formatFixed(v / kLitresPerGallon, 1) + " GPM";
            break;
        }
    }
    return out;
}

std::array<TempExtremes, kTempChannels> mMaxMin(const Recording& r) {
    std::array<TempExtremes, kTempChannels> out;
    for (int i = 0; i < kTempChannels; ++i) {
        const int channel = kFirstTempChannel + i;
        if (!r.recorded(channel)) continue;
        TempExtremes& e = out[static_cast<std::size_t>(i)];
        for (int line = 1; line <= r.loadedLines(); ++line) {
            const double v = r.value(channel, line);
            if (noTemperature(v)) continue;
            if (!e.max || v > *e.max) e.max = v;
            if (!e.min || v < *e.min) e.min = v;
        }
    }
    return out;
}

std::array<std::string, 17> temperatureAxisLabels(char unit) {
    std::array<std::string, 17> labels;
    for (int k = 0; k < 17; ++k)
        labels[static_cast<std::size_t>(k)] = temperatureFigure(130 - 10 * k, unit);
    return labels;
}

std::array<std::string, 26> flowAxisLabels(bool lpm) {
    std::array<std::string, 26> labels;
    for (int i = 0; i < 26; ++i)
        labels[static_cast<std::size_t>(i)] = lpm ? formatFixed(i, 1) : formatFixed(i / kLitresPerGallon, 2);
    return labels;
}

std::string flowCaption(bool lpm) {
    return lpm ? "Flow Meter (LPM)" : "Flow Meter (GPM)";
}

} // namespace vrx
