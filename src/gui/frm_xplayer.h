#pragma once
// The " Log Viewer" window: a recording's four charts with their captions, the cursor slider, the
// channel check boxes, colour swatches and read-outs, the header details and the buttons. What
// the controls do is the core's LogViewer; this window shows its state.
#include <QDialog>
#include <array>

#include "recording/log_viewer.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace vrx::gui {

class LogChartWidget;

// The capture's picture of a chart as BMP bytes; "" when it could not be encoded.
std::string captureBmp(const LogViewer& viewer, LogChart chart);

class FrmxPlayer : public QDialog {
    Q_OBJECT
public:
    FrmxPlayer(Settings& settings, Dialogs& dialogs, LogViewerHost& host, const std::string& programFolder,
               QWidget* parent = nullptr);

    LogViewer& viewer() { return m_viewer; }
    // Takes everything from the viewer again.
    void refresh();

    // 0 " C/F", 1 " LPM/GPM", 2 " Open ", 3 " Capture", 4 " Close", 5 "Export CSV".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }
    QCheckBox* chkDat(int i) const { return m_chkDat.at(static_cast<std::size_t>(i)); }
    QPushButton* cmdColor(int i) const { return m_cmdColor.at(static_cast<std::size_t>(i)); }
    QLabel* labLogs(int i) const { return m_labLogs.at(static_cast<std::size_t>(i)); }
    QLabel* labMax(int i) const { return m_labMax.at(static_cast<std::size_t>(i)); }
    QLabel* labMin(int i) const { return m_labMin.at(static_cast<std::size_t>(i)); }
    QLabel* labFileName() const { return m_labFileName; }
    QLabel* labInterval() const { return m_labInterval; }
    QLabel* labTime(int i) const { return m_labTime.at(static_cast<std::size_t>(i)); }
    QLabel* labPoint() const { return m_labPoint; }
    QLabel* labCaption(int i) const { return m_labCaption.at(static_cast<std::size_t>(i)); }
    QSlider* slider() const { return m_slider; }
    LogChartWidget* chart(int i) const { return m_charts.at(static_cast<std::size_t>(i)); }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* makeChartArea();
    QWidget* makeDetails();
    QWidget* makeChannels();
    QWidget* makeButtons();
    QLabel* label(const QString& accessibleName, QWidget* parent);
    void refreshCursor();
    void placePanes();
    void placeWindow();
    void command(int index);

    LogViewer m_viewer;
    int m_tpp;
    bool m_closed = false;
    std::array<LogChartWidget*, kLogCharts> m_charts{};
    std::array<QLabel*, kLogCharts> m_labCaption{};
    std::array<QPushButton*, 6> m_buttons{};
    std::array<QCheckBox*, kLogChannels> m_chkDat{};
    std::array<QPushButton*, kLogChannels> m_cmdColor{};
    std::array<QLabel*, kLogChannels> m_labLogs{};
    std::array<QLabel*, kTempChannels> m_labMax{};
    std::array<QLabel*, kTempChannels> m_labMin{};
    std::array<QLabel*, 2> m_labTime{};
    std::array<QLabel*, 2> m_labFlow{};
    std::array<QLabel*, 2> m_labHose{};
    QLabel* m_labFileName = nullptr;
    QLabel* m_labInterval = nullptr;
    QLabel* m_labPoint = nullptr;
    QSlider* m_slider = nullptr;
};

} // namespace vrx::gui
