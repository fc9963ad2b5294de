#pragma once
// The log viewer's state and commands: the loaded recording (replaced only by a load that
// succeeded), the cursor, which channels are drawn, the view's units, the chart panes' scroll and
// enlargement, the channel colours, the picture capture and the CSV export. The window binds to
// this and draws from it.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "iface/dialogs.h"
#include "recording/log_chart.h"
#include "recording/log_view.h"
#include "recording/recording_model.h"
#include "settings/settings_record.h"

namespace vrx {

// What the viewer asks of the program.
class LogViewerHost {
public:
    virtual ~LogViewerHost() = default;
    virtual void logError(const std::string& procedure, int number, const std::string& description) = 0;
    virtual void saveSystemFile() = 0;
};

inline constexpr int kLogCharts = 4;
inline constexpr Int32 kDisabledSwatchColor = 0xEFF7F7;

// Pane scroll limits and the tops a load gives (twips; 0 shows the top of the surface).
int lowestTop(LogChart chart);
int loadedTop(LogChart chart);

// A pane's place in the chart area, in pixels, for the screen's twips per pixel.
struct PaneRect {
    int left, top, width, height;
};
PaneRect paneRect(LogChart chart, bool enlarged, int twipsPerPixel);

// The capture's files: the chosen name less a final ".bmp" (any case), then "_Temp", "_Fan",
// "_Pump" or "_Flow" and ".BMP".
std::array<std::string, kLogCharts> capturePaths(const std::string& chosen);

// A text placed by its top-left corner on a chart surface or capture picture (twips).
struct PlacedText {
    int x, y;
    std::string text;
};
// The scale labels written at the left and the right of a chart, temperatures in `tempUnit`.
std::vector<PlacedText> scaleLabels(LogChart chart, char tempUnit, bool flowLpm);
// The five time labels under a chart.
std::vector<PlacedText> timeAxisTexts(int lineLimit);

// A legend box of the capture: filled with the channel's colour when it is drawn, else outlined.
struct LegendBox {
    int x, y, width, height;
    bool filled;
    Int32 color;
};

class LogViewer {
public:
    // Pictures are offered to be saved in programFolder.
    LogViewer(Settings& settings, Dialogs& dialogs, LogViewerHost& host, std::string programFolder);

    // The loaded recording, or nullptr before the first successful load.
    const Recording* recording() const { return m_recording.get(); }
    bool FileLoaded() const { return m_recording != nullptr; }
    // LabFileName: the loaded file's name, ".log" after a failed load.
    const std::string& fileNameText() const { return m_fileNameText; }
    const std::string& loadedPath() const { return m_path; }
    int lineLimit() const { return m_recording ? m_recording->LogLineLimit : 60; }
    int CursorStep() const { return m_cursorStep; }
    int GridStep() const { return m_gridStep; }

    // " Open ": the chooser, then the file. True when a new recording was loaded.
    bool mOpenFile();
    // Loads path as Open does once the chooser answered.
    bool load(const std::string& path);

    // The slider: 0 .. lineLimit(), 1 after a load.
    int position() const { return m_position; }
    void setPosition(int p);
    // LabLogs 0-19 and LabPoint at the cursor.
    std::array<std::string, kLogChannels> readOuts() const;
    std::string pointLabel() const;

    // Units of the figures; the charts' scales never change.
    ViewUnits units() const { return m_units; }
    void mTempChang() {
        m_units = vrx::mTempChang(m_units);
        m_extremesUnit = m_units.temp;
    }
    void mFlowUnitChang() { m_units = vrx::mFlowUnitChang(m_units); }
    std::string chartCaption(LogChart chart) const;
    // LabMax / LabMin of temperature channel i (0-9): in the system's unit after a load, in the
    // view's unit once C/F was pressed; "" when the channel never had a value.
    std::string maxText(int i) const;
    std::string minText(int i) const;

    // The caption of ChkDat i: the file's channel name, or the default one before a load.
    std::string channelName(int i) const;
    // ChkDat i (0-19): enabled only for recorded channels of a loaded file; ticking one before a
    // file is loaded changes nothing. setShown returns true when the chart must be redrawn.
    bool channelEnabled(int i) const;
    bool shown(int i) const { return m_shown.at(static_cast<std::size_t>(i)); }
    bool setShown(int i, bool on);
    // CmdColor i: enabled while its channel is recorded and ticked; its colour, light grey when off.
    bool swatchEnabled(int i) const;
    Int32 swatchColor(int i) const;
    // The channel's colour in the settings.
    Int32 channelColor(int i) const;
    // A click on swatch i: the colour chooser, then the settings. True when the colour changed.
    bool mPickColor(int i);

    // Pane scroll and enlargement.
    int top(LogChart chart) const { return m_tops.at(index(chart)); }
    bool ChartZoomed() const { return m_zoomed; }
    LogChart ZoomedChart() const { return m_zoomedChart; }
    void startDrag(LogChart chart, int yTwips);
    void dragTo(int yTwips);
    void endDrag() { m_dragging = false; }
    void mResizeBox(LogChart chart);

    // " Capture": the chooser, then each chart as BMP bytes from `encode` (empty = could not be
    // drawn). Asks before replacing each existing file; nothing is written when one is declined.
    // True only when all four pictures were written.
    bool mImgCapture(const std::function<std::string(LogChart)>& encode);
    // The texts and legend boxes a capture adds to a chart's surface.
    std::vector<PlacedText> captureTexts(LogChart chart) const;
    std::vector<LegendBox> captureLegend(LogChart chart) const;

    // "Export CSV": the chooser preset to the CSV beside the log, then the file. True when written.
    bool exportCsv();

    // Window placement from WindowPos 2 and 3 (twips); nothing means centred.
    std::optional<std::array<int, 2>> savedPosition() const;
    void closed(int leftTwips, int topTwips);

private:
    static std::size_t index(LogChart chart) { return static_cast<std::size_t>(chart); }
    Int32& colorRef(int i);
    void applyLoad(std::unique_ptr<Recording> r, const std::string& path);
    bool writeFailed(const std::string& procedure, const std::string& path, const std::string& reason);

    Settings& m_settings;
    Dialogs& m_dialogs;
    LogViewerHost& m_host;
    std::string m_programFolder;
    std::unique_ptr<Recording> m_recording;
    std::string m_path;
    std::string m_fileNameText;
    int m_cursorStep = 120;
    int m_gridStep = 120;
    int m_position = 1;
    ViewUnits m_units;
    char m_extremesUnit = 'C';
    std::array<TempExtremes, kTempChannels> m_extremes{};
    std::array<bool, kLogChannels> m_shown{};
    std::array<int, kLogCharts> m_tops{};
    bool m_zoomed = false;
    LogChart m_zoomedChart = LogChart::Temperatures;
    int m_savedTop = 0;
    bool m_dragging = false;
    LogChart m_dragChart = LogChart::Temperatures;
    int m_dragStartY = 0;
    int m_dragStartTop = 0;
};

} // namespace vrx
