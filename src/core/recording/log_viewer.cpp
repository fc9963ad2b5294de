#include "recording/log_viewer.h"

#include <algorithm>
#include <cctype>

#include "diag/message_box.h"
#include "diag/messages.h"
#include "iface/file_access.h"
#include "recording/log_csv.h"
#include "recording/log_reader.h"
#include "shell/picture_files.h"
#include "text/format.h"

namespace vrx {
namespace {

constexpr const char* kTitle = "Log Viewer";
constexpr const char* kCaptureTitle = " Log Viewer";

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool endsWithBmp(const std::string& s) {
    if (s.size() < 4) return false;
    std::string tail = s.substr(s.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".bmp";
}

} // namespace

int lowestTop(LogChart chart) {
    return chart == LogChart::Temperatures ? -5400 : -6190;
}

int loadedTop(LogChart chart) {
    static constexpr std::array<int, kLogCharts> tops{-3500, -4000, -4000, -5000};
    return tops[at(static_cast<int>(chart))];
}

PaneRect paneRect(LogChart chart, bool enlarged, int twipsPerPixel) {
    const bool small = twipsPerPixel == 15;
    const int left = small ? 16 : 20, width = small ? 520 : 652;
    if (enlarged) return small ? PaneRect{left, 30, width, 516} : PaneRect{left, 38, width, 645};
    static constexpr std::array<std::array<int, 2>, kLogCharts> smallSlots{{{30, 160}, {208, 100}, {327, 100}, {446, 100}}};
    static constexpr std::array<std::array<int, 2>, kLogCharts> largeSlots{{{38, 195}, {256, 128}, {409, 128}, {560, 128}}};
    const auto& slot = (small ? smallSlots : largeSlots)[at(static_cast<int>(chart))];
    return {left, slot[0], width, slot[1]};
}

std::array<std::string, kLogCharts> capturePaths(const std::string& chosen) {
    // A name typed without ".bmp" keeps all its characters rather than losing its last four.
    const std::string base = endsWithBmp(chosen) ? chosen.substr(0, chosen.size() - 4) : chosen;
    return {base + "_Temp.BMP", base + "_Fan.BMP", base + "_Pump.BMP", base + "_Flow.BMP"};
}

std::vector<PlacedText> scaleLabels(LogChart chart, char tempUnit, bool flowLpm) {
    std::vector<PlacedText> out;
    auto both = [&out](int left, int right, int y, const std::string& text) {
        out.push_back({left, y, text});
        out.push_back({right, y, text});
    };
    switch (chart) {
    case LogChart::Temperatures: {
        const auto labels = temperatureAxisLabels(tempUnit);
        for (int k = 0; k < 17; ++k)
            both(100, 7750, 30 + 466 * k, labels[at(k)]);
        break;
    }
    case LogChart::Fans:
    case LogChart::Pumps:
        for (int k = 0; k < 16; ++k)
            both(k == 15 ? 300 : 30, 7710, 30 + 498 * k, formatWhole(7500 - 500 * k));
        break;
    case LogChart::Flows: {
        const auto labels = flowAxisLabels(flowLpm);
        for (int k = 0; k < 26; ++k)
            both(flowLpm && 25 - k < 10 ? 180 : 100, 7700, 20 + 298 * k, labels[at(25 - k)]);
        break;
    }
    }
    return out;
}

std::vector<PlacedText> timeAxisTexts(int lineLimit) {
    const auto labels = timeLabels(lineLimit);
    std::vector<PlacedText> out;
    for (int k = 0; k < 5; ++k)
        out.push_back({150 + 1800 * k, 7630, labels[at(k)]});
    return out;
}

LogViewer::LogViewer(Settings& settings, Dialogs& dialogs, LogViewerHost& host, std::string programFolder)
    : m_settings(settings), m_dialogs(dialogs), m_host(host), m_programFolder(std::move(programFolder)) {
    if (!m_programFolder.empty() && m_programFolder.back() != '/') m_programFolder += '/';
    for (int c = 0; c < kLogCharts; ++c)
        m_tops[at(c)] = loadedTop(static_cast<LogChart>(c));
}

bool LogViewer::mOpenFile() {
    OpenFileRequest request;
    request.title = "Load log file";
    request.filter = "VRX Files (*.log)|*.log|All Files (*.*)|*.*";
    request.defaultExtension = ".log";
    request.folder = m_settings.sys.LogFolder;
    const std::string path = m_dialogs.openFile(request);
    if (path.empty()) return false;
    return load(path);
}

bool LogViewer::load(const std::string& path) {
    LogLoad loaded = mResetData(path);
    if (!loaded.procedure.empty())
        m_host.logError(loaded.procedure, loaded.failure.number, loaded.failure.description);
    if (loaded.messageNumber == kMessageFileNotFound) {
        ShowMessageBox(m_dialogs, 3500, 1500, 0, kTitle, loaded.message(), "", 0);
        return false;
    }
    if (!loaded.ok()) {
        // The previous recording, its charts and read-outs stay; only the name shows the failure.
        m_fileNameText = ".log";
        m_dialogs.standardBox(kTitle, "  " + loaded.message(), BoxIcon::Warning, BoxButtons::Ok);
        return false;
    }
    applyLoad(std::make_unique<Recording>(std::move(*loaded.recording)), path);
    return true;
}

void LogViewer::applyLoad(std::unique_ptr<Recording> r, const std::string& path) {
    m_recording = std::move(r);
    m_path = path;
    m_fileNameText = nameOf(path);
    m_cursorStep = cursorStepFor(m_recording->LogLineLimit, m_cursorStep);
    m_gridStep = gridStepFor(m_recording->LogLineLimit, m_gridStep);
    m_position = 1;
    for (int i = 0; i < kLogChannels; ++i)
        m_shown[at(i)] = m_recording->recorded(i + 1);
    m_extremes = mMaxMin(*m_recording);
    m_extremesUnit = m_settings.temp.TempUnit == 1 ? 'C' : 'F';
    for (int c = 0; c < kLogCharts; ++c)
        m_tops[at(c)] = loadedTop(static_cast<LogChart>(c));
    if (m_zoomed) {
        m_savedTop = m_tops[index(m_zoomedChart)];
        m_tops[index(m_zoomedChart)] = 0;
    }
}

void LogViewer::setPosition(int p) {
    m_position = std::clamp(p, 0, lineLimit());
}

std::array<std::string, kLogChannels> LogViewer::readOuts() const {
    if (!m_recording) return {};
    return mShowPoint(*m_recording, m_position, m_units);
}

std::string LogViewer::pointLabel() const {
    return m_recording ? pointText(*m_recording, m_position) : std::string();
}

std::string LogViewer::chartCaption(LogChart chart) const {
    switch (chart) {
    case LogChart::Temperatures: return std::string("Sensor Temperature (") + m_units.temp + ")";
    case LogChart::Fans: return "FAN (RPM)";
    case LogChart::Pumps: return "PUMP (RPM)";
    case LogChart::Flows: return flowCaption(m_units.flowLpm);
    }
    return {};
}

std::string LogViewer::maxText(int i) const {
    const auto& e = m_extremes.at(at(i));
    return e.max ? temperatureFigure(*e.max, m_extremesUnit) : std::string();
}

std::string LogViewer::minText(int i) const {
    const auto& e = m_extremes.at(at(i));
    return e.min ? temperatureFigure(*e.min, m_extremesUnit) : std::string();
}

std::string LogViewer::channelName(int i) const {
    if (m_recording) return m_recording->names.at(at(i));
    return defaultChannelNames().at(at(i));
}

bool LogViewer::channelEnabled(int i) const {
    return m_recording && i >= 0 && i < kLogChannels && m_recording->recorded(i + 1);
}

bool LogViewer::setShown(int i, bool on) {
    if (!channelEnabled(i) || m_shown[at(i)] == on) return false;
    m_shown[at(i)] = on;
    return true;
}

bool LogViewer::swatchEnabled(int i) const {
    return channelEnabled(i) && m_shown[at(i)];
}

Int32& LogViewer::colorRef(int i) {
    if (i < 10) return m_settings.temp.TempColor.at(at(i));
    if (i < 16) return m_settings.fan.FanColor.at(at(i - 10));
    if (i < 18) return m_settings.pump.PumpColor.at(at(i - 16));
    return m_settings.pump.FlowColor.at(at(i - 18));
}

Int32 LogViewer::channelColor(int i) const {
    return const_cast<LogViewer*>(this)->colorRef(i);
}

Int32 LogViewer::swatchColor(int i) const {
    return swatchEnabled(i) ? channelColor(i) : kDisabledSwatchColor;
}

bool LogViewer::mPickColor(int i) {
    if (!swatchEnabled(i)) return false;
    Int32& colour = colorRef(i);
    const auto chosen = m_dialogs.chooseColor(colour);
    if (!chosen || *chosen == colour) return false;
    colour = *chosen;
    m_host.saveSystemFile();
    return true;
}

void LogViewer::startDrag(LogChart chart, int yTwips) {
    m_dragging = true;
    m_dragChart = chart;
    m_dragStartY = yTwips;
    m_dragStartTop = top(chart);
}

void LogViewer::dragTo(int yTwips) {
    if (!m_dragging || m_zoomed) return;
    m_tops[index(m_dragChart)] = std::clamp(m_dragStartTop + (yTwips - m_dragStartY), lowestTop(m_dragChart), 0);
}

void LogViewer::mResizeBox(LogChart chart) {
    if (!m_zoomed) {
        m_zoomedChart = chart;
        m_savedTop = top(chart);
        m_tops[index(chart)] = 0;
        m_zoomed = true;
        return;
    }
    m_tops[index(m_zoomedChart)] = m_savedTop;
    m_zoomed = false;
}

bool LogViewer::mImgCapture(const std::function<std::string(LogChart)>& encode) {
    if (!m_recording) return false;
    const std::string chosen = m_dialogs.saveFile(bmpSaveRequest(m_programFolder));
    if (chosen.empty() || chosen.back() == '/') return false;
    const auto paths = capturePaths(chosen);
    // The chooser asked about the name typed, which is never one of the files written.
    for (const std::string& path : paths)
        if (!mayReplacePicture(m_dialogs, kCaptureTitle, path)) return false;
    for (int c = 0; c < kLogCharts; ++c) {
        const std::string& path = paths[at(c)];
        const std::string bytes = encode(static_cast<LogChart>(c));
        if (bytes.empty()) return writeFailed("FrmxPlayer.mImgCapture", path, "the chart could not be drawn");
        if (const FileOutcome out = fileAccess().write(path, bytes); !out.ok())
            return writeFailed("FrmxPlayer.mImgCapture", path, out.description);
    }
    m_dialogs.standardBox(kCaptureTitle, MessageText(109), BoxIcon::Information, BoxButtons::Ok);
    return true;
}

bool LogViewer::writeFailed(const std::string& procedure, const std::string& path, const std::string& reason) {
    m_host.logError(procedure, 0, path + ": " + reason);
    m_dialogs.standardBox(kCaptureTitle, "The file could not be saved as " + path + ":\n" + reason + "   ",
                          BoxIcon::Critical, BoxButtons::Ok);
    return false;
}

std::vector<PlacedText> LogViewer::captureTexts(LogChart chart) const {
    std::vector<PlacedText> out = scaleLabels(chart, 'C', m_units.flowLpm);
    static const std::array<std::string, kLogCharts> legends{
        "CH.1     CH.2     CH.3     CH.4     CH.5     CH.6     CH.7     CH.8     CH.9     CH.10",
        "Fan.1          Fan.2          Fan.3          Fan.4          Fan.5          Fan.6",
        "Pump.1" + std::string(20, ' ') + "Pump.2", "Flowmeter.1" + std::string(18, ' ') + "Flowmeter.2"};
    static constexpr std::array<int, kLogCharts> legendX{2500, 3000, 5500, 5000};
    const std::size_t c = index(chart);
    out.push_back({400, 8000, chartCaption(chart) + " :"});
    out.push_back({legendX[c], 8000, legends[c]});
    if (!m_recording) return out;
    out.push_back({450, 8300, "Start : " + startText(*m_recording)});
    out.push_back({450, 8480, "End : " + endText(*m_recording)});
    out.push_back({2800, 8300, "Interval : " + intervalText(m_recording->LogLineLimit)});
    out.push_back({450, 8680, "Log File: " + m_fileNameText});
    for (int j = 0; j < 2; ++j)
        if (m_shown[at(18 + j)])
            out.push_back({5000, 8300 + 180 * j, flowModelText(*m_recording, j) + " " + tubingText(*m_recording, j)});
    return out;
}

std::vector<LegendBox> LogViewer::captureLegend(LogChart chart) const {
    static constexpr std::array<std::array<int, 2>, kLogCharts> start{{{2360, 570}, {2800, 860}, {5300, 1430}, {4820, 1690}}};
    const ChannelRange range = chartChannels(chart);
    const auto& [x0, dx] = start[index(chart)];
    std::vector<LegendBox> out;
    for (int k = 0; k < range.count; ++k) {
        const int i = range.first - 1 + k;
        out.push_back({x0 + dx * k, 8040, 100, 100, m_shown[at(i)], m_shown[at(i)] ? channelColor(i) : 0xC0C0C0});
    }
    return out;
}

bool LogViewer::exportCsv() {
    if (!m_recording) return false;
    SaveFileRequest request;
    request.title = "Export CSV";
    request.filter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*";
    request.defaultExtension = ".csv";
    request.folder = folderOf(m_path);
    request.name = nameOf(csvPathFor(m_path));
    const std::string chosen = m_dialogs.saveFile(request);
    if (chosen.empty() || chosen.back() == '/') return false;
    if (const FileOutcome out = fileAccess().write(chosen, recordingCsv(*m_recording)); !out.ok())
        return writeFailed("FrmxPlayer.mExportCsv", chosen, out.description);
    return true;
}

std::optional<std::array<int, 2>> LogViewer::savedPosition() const {
    const Int32 left = m_settings.sys.WindowPos[2], top = m_settings.sys.WindowPos[3];
    if (left == 0 && top == 0) return std::nullopt;
    return std::array<int, 2>{left, top};
}

void LogViewer::closed(int leftTwips, int topTwips) {
    m_settings.sys.WindowPos[2] = leftTwips;
    m_settings.sys.WindowPos[3] = topTwips;
    m_host.saveSystemFile();
}

} // namespace vrx
