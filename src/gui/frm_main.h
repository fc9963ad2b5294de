#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "app/main_keys.h"
#include "app/main_view.h"
#include "bar_gauge.h"
#include "command_button.h"
#include "graph_menu.h"
#include "live_graph_widget.h"
#include "main_layout.h"
#include "output_menu.h"
#include "safety/alarm_host.h"
#include "window_button.h"

namespace vrx::gui {

class ArtUnderlay;

// The borderless main window: reading grid on drawn art, link status and version, two window
// buttons, the command buttons with the fan and pump menus, the six timers. It shows what the core
// tells it and forwards the user's actions and keys.
class FrmMain : public QWidget, public MainView, public CommandSurface {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* parent = nullptr);

    std::function<void()> onExitRequested; // exit button
    std::function<void()> onHideRequested; // hide button; unset, it simply hides the window
    std::function<GraphMenuChecks()> graphMenuChecks; // check marks when the graph menu opens
    void setTimerHandler(MainTimer timer, std::function<void()> handler);

    // Keys and commands, all decided by the core.
    std::function<OutputMenu(OutputKind)> outputMenuModel; // asked each time a menu opens
    std::function<void(OutputKind, int unit, int item)> onOutputItemChosen;
    std::function<bool(const KeyPress&)> onKeyDown;       // true: the key was a command, swallow it
    std::function<void(int)> onCommandButtonClicked;
    std::function<bool(int index, Key)> onCommandButtonKey; // arrows on a command button
    std::function<bool(int box, Key)> onNameBoxKey;         // Enter, Up, Down in a name box
    std::function<void(int box, const std::string& text)> onNameBoxLeft; // a name box lost the focus
    // Off while an alarm owns the outputs: both menu buttons and their menus.
    void setOutputMenusEnabled(bool enabled);

    // Alarm looks of the reading rows and the silent / alarm mode image (frm_main_alarm.cpp).
    void setTempLook(int channel, AlarmLook look);
    void setPumpAlarm(int pump, bool alarm);
    void setFlowAlarm(int flow, bool alarm);
    void setAlarmModeImage(bool silent);
    QLabel* alarmModeImage() const { return m_imgMode; }

    // CommandSurface
    void popupOutputMenu(OutputKind kind) override;
    void focusCommandButton(int index) override;
    void focusNameBox(int index) override;
    bool hasCommandButton(int index) const override;
    void focusNextControl() override;

    // MainView
    ScreenInfo screen() const override;
    void moveToTwips(int left, int top) override;
    void setWidthTwips(int width) override;
    int leftTwips() const override;
    int topTwips() const override;
    int widthTwips() const override;
    int heightTwips() const override;
    void applyLayout(const FormLayout& layout) override;
    void setNameBox(int index, const std::string& text) override;
    void clearTempLabel(int index) override;
    void showStatus(const StatusDisplay& display) override;
    void clearReadings() override;
    void setGraphAxis(const std::array<std::string, 9>& labels) override;
    void drawGraph(const std::vector<GraphLine>& grid, const std::vector<GraphLine>& lines) override;
    void setGraphColors(std::int32_t backColor, std::int32_t textColor) override;
    void setLegend(const std::array<LegendMark, 20>& marks) override;
    void setFanBarStyle(int style) override;
    void setActivityImageVisible(bool visible) override;
    void setVersionLabel(const std::string& text) override;
    void setLinkStatus(const std::string& text) override;
    void setAlwaysOnTop(bool onTop) override;
    void setTaskbarButton() override;
    void showWindow() override;
    void hideWindow() override;
    void setTimerEnabled(MainTimer timer, bool enabled) override;
    bool timerEnabled(MainTimer timer) const override;
    void closeAllAndQuit() override;

    // Read access for tests and for the bindings that fill the grid.
    QLineEdit* nameBox(int index) const { return m_txtTname.at(static_cast<std::size_t>(index)); }
    QLabel* tempLabel(int row) const { return m_labTemp.at(static_cast<std::size_t>(row)); }
    QLabel* fanLabel(int row) const { return m_labFan.at(static_cast<std::size_t>(row)); }
    QLabel* pumpLabel(int index) const { return m_labPump.at(static_cast<std::size_t>(index)); }
    QLabel* flowLabel(int row) const { return m_labLPM.at(static_cast<std::size_t>(row)); }
    BarGauge* tempBar(int row) const { return m_tempBars.at(static_cast<std::size_t>(row)); }
    BarGauge* fanBar(int row) const { return m_fanBars.at(static_cast<std::size_t>(row)); }
    BarGauge* pumpBar(int row) const { return m_pumpBars.at(static_cast<std::size_t>(row)); }
    QLabel* versionLabel() const { return m_labVRX; }
    QLabel* linkStatusLabel() const { return m_labPort; }
    WindowButton* hideButton() const { return m_hideButton; }
    const FormLayout& currentLayout() const { return m_layout; }
    QLabel* graphLabel(int index) const { return m_labGhp.at(static_cast<std::size_t>(index)); }
    LiveGraphWidget* graph() const { return m_graph; }
    GraphMenu* graphMenu() const { return m_graphMenu; }
    CommandButton* commandButton(int index) const { return m_commandButtons.at(static_cast<std::size_t>(index)); }
    OutputPopupMenu* outputMenu(OutputKind kind) const { return kind == OutputKind::Fan ? m_fanMenu : m_pumpMenu; }
    QWidget* legendMark(int channel) const { return m_marks.at(static_cast<std::size_t>(channel)); }
    // A request to close the window; false when it must stay (the exit question was asked).
    bool closeRequested(bool fromDesktop);
    // Opens the graph menu at a screen position, with its current check marks.
    void popupGraphMenu(const QPoint& globalPos);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void buildCommandRow();
    CommandButton* menuButton(OutputKind kind) const;
    bool previewKey(const QKeyEvent& event);
    bool commandButtonKey(QObject* watched, const QKeyEvent& event);
    int nameBoxIndex(const QObject* watched) const; // -1 when not a name box
    bool nameBoxEvent(int box, QEvent* event);
    void placeControls();
    void placeDeviceCell(const DeviceCell& cell, const QFont& font, const QFont& small);
    bool eventFilter(QObject* watched, QEvent* event) override;
    QLabel* makeLabel(Qt::Alignment align);
    QLabel* makeReading();
    void buildAlarmModeImage();

    FormLayout m_layout;
    int m_tpp = 15;
    QPixmap m_art;
    ArtUnderlay* m_underlay = nullptr;
    std::array<QLineEdit*, 20> m_txtTname{};
    std::array<QLabel*, 10> m_labTemp{};
    std::array<BarGauge*, 10> m_tempBars{};
    std::array<QWidget*, 20> m_marks{}; // legend marks in channel order
    std::array<QLabel*, 9> m_labGhp{};
    LiveGraphWidget* m_graph = nullptr;
    GraphMenu* m_graphMenu = nullptr;
    std::array<QLabel*, 6> m_labFan{};
    std::array<BarGauge*, 6> m_fanBars{};
    std::array<QLabel*, 4> m_labPump{};
    std::array<BarGauge*, 2> m_pumpBars{};
    std::array<QLabel*, 2> m_labLPM{};
    QLabel* m_labVRX = nullptr;
    QLabel* m_labPort = nullptr;
    QLabel* m_imgAct = nullptr;
    QLabel* m_imgMode = nullptr;
    WindowButton* m_hideButton = nullptr;
    WindowButton* m_exitButton = nullptr;
    std::array<CommandButton*, kCommandButtons> m_commandButtons{}; // null where not built yet
    OutputPopupMenu* m_fanMenu = nullptr;
    OutputPopupMenu* m_pumpMenu = nullptr;
    bool m_outputMenusEnabled = true;
    std::map<MainTimer, QTimer*> m_timers;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace vrx::gui
