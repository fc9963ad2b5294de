#include "app/main_program.h"

#include "app/name_boxes.h"
#include "app/status_display.h"
#include "diag/messages.h"
#include "link/control_frame.h"
#include "settings/file_check.h"
#include "settings/system_file.h"
#include "shell/tray_rules.h"

namespace vrx {

MainProgram::MainProgram(const AppPaths& paths, ProgramServices services)
    : m_paths(paths), m_services(services),
      m_errorLog(paths.errorLogPath(), m_settings.sys.DebugLog, services.clock, services.dialogs) {}

void MainProgram::logError(const std::string& name, const std::exception& e) {
    m_errorLog.LogError(name, "0", e.what());
}

void MainProgram::Main() {
    loadOrCreateSystemFile();
    InitControlFrame(m_settings, m_state);
    // Outputs in Auto would otherwise go out as 0 (fans off) in the first frames after linking;
    // with no reading yet they start at their curve's top instead.
    if (m_autoMode) m_autoMode->mChkAutoPw(false);
    Form_Initialize();
    Form_Load();
    if (m_ended) return;
    // Lives in the tray until opened; without a notification area it could not be opened again.
    if (startsHidden(m_settings.sys.StartHidden, m_services.tray.available())) return;
    m_services.view.showWindow();
}

void MainProgram::loadOrCreateSystemFile() {
    std::string checkError;
    const bool exists = gFileCheck(m_paths.SysFilePath, &checkError);
    if (!checkError.empty()) m_errorLog.LogError("ModFun.gFileCheck", "0", checkError);
    if (exists) {
        loadSystemFile();
        // Another version's file is replaced wholesale; nothing is carried over.
        if (m_settings.sys.FileVersion != kFileVersion) {
            SetDefaults(m_settings, m_paths.AppDir);
            saveSystemFile();
            m_settings.sys.FileVersion = kFileVersion;
        }
    } else {
        SetDefaults(m_settings, m_paths.AppDir);
        saveSystemFile();
    }
}

void MainProgram::loadSystemFile() {
    // Fields the file does not reach stay as they were, but the log switch starts on, so a file
    // damaged before its own DebugLog field still leaves a line saying why.
    if (m_settings == Settings{}) m_settings.sys.DebugLog = kTrue;
    const LoadOutcome outcome = gLoadBIN(m_paths.SysFilePath, m_settings);
    if (!outcome.ok()) m_errorLog.LogError("ModSub.gLoadBIN", std::to_string(outcome.number), outcome.description);
}

bool MainProgram::saveSystemFile() {
    const SaveOutcome outcome = SaveSystemFile(m_paths.SysFilePath, m_settings);
    if (outcome.ok()) return true;
    m_services.dialogs.standardBox("Error", outcome.description, BoxIcon::Critical, BoxButtons::Ok);
    return false;
}

void MainProgram::Form_Initialize() {
    MainView& view = m_services.view;
    const auto& pos = m_settings.sys.WindowPos;
    if (pos[0] != 0 || pos[1] != 0) {
        view.moveToTwips(pos[0], pos[1]);
    } else {
        const ScreenInfo screen = view.screen();
        view.moveToTwips((screen.widthTwips - view.widthTwips()) / 2, (screen.heightTwips - view.heightTwips()) / 2);
    }
    view.setWidthTwips(kInitialFormWidth);
    m_services.tray.add();
    view.hideWindow();
    try {
        view.setTaskbarButton();
    } catch (const std::exception& e) {
        logError("FrmMain.mTaskbar", e);
    }
}

void MainProgram::Form_Load() {
    if (m_hooks.resetLinkState) m_hooks.resetLinkState();
    if (!mPcbForm()) return;
    if (m_hooks.showAlarmMode) m_hooks.showAlarmMode(true);
    m_services.view.setAlwaysOnTop(m_settings.sys.AlwaysOnTop == kTrue);
    mStartWork();
    if (m_hooks.establishLink) m_hooks.establishLink();
}

void MainProgram::mStartWork() {
    try {
        const SysMain& sys = m_settings.sys;
        const int layoutType = (sys.BoardType == 0 || sys.BoardType > 2) ? 1 : sys.BoardType;
        if (sys.AutoStart == 1) m_services.autoStarter.install();
        mGhpColorSet();
        m_graph.reset(m_settings); // also picks the group shown first
        m_services.view.setGraphAxis(LiveGraph::gSetGraphAxis(m_graph.cycleCurrent(), m_settings));
        MainView& view = m_services.view;
        view.setActivityImageVisible(false);

        fillNameBoxes(layoutType);

        // The serial line itself is configured by the link when it opens a port.
        if (sys.FanBarStyle == kTrue) view.setFanBarStyle(2);
        PreviousComPort = sys.ComPort;
        m_errorLog.ensureHeader();
    } catch (const std::exception& e) {
        logError("FrmMain.mStartWork", e);
    }
}

void MainProgram::fillNameBoxes(int layoutType) {
    for (int box : nameBoxOrder(layoutType == 1 ? 1 : 2)) {
        m_services.view.setNameBox(box, nameField(m_settings, box));
        if (box < kFirstFlowBox) m_services.view.clearTempLabel(box);
    }
}

void MainProgram::txtTname_LostFocus(int box, const std::string& typed) {
    if (m_ended) return; // the window closing at exit; the settings are saved already
    try {
        const std::string name = storedName(box, typed);
        nameField(m_settings, box) = name;
        // The box shows what was kept, so a trimmed or cut name is seen as it is stored.
        if (name != typed) m_services.view.setNameBox(box, name);
        saveSystemFile();
    } catch (const std::exception& e) {
        logError("FrmMain.txtTname_LostFocus", e);
    }
}

void MainProgram::switchFanBarStyle() {
    Int16& style = m_settings.sys.FanBarStyle;
    style = style != 0 ? Int16{0} : kTrue;
    m_services.view.setFanBarStyle(style == kTrue ? 2 : 4);
    saveSystemFile();
}

bool MainProgram::mPcbForm() {
    try {
        const FormLayout layout = computeFormLayout(m_settings.sys.BoardType, m_services.view.screen().twipsPerPixel);
        m_services.view.applyLayout(layout);
        m_services.view.setLegend(LiveGraph::gSetSColor(m_settings));
        return true;
    } catch (const std::exception& e) {
        logError("FrmMain.mPcbForm", e);
        m_services.dialogs.standardBox(kGeneralTitle, MessageText(119), BoxIcon::Warning, BoxButtons::Ok);
        SetDefaults(m_settings, m_paths.AppDir);
        if (m_ended) saveSystemFile(); // the session ended while the box was up
        else ExitProgram();
        return false;
    }
}

void MainProgram::mGhpColorSet() {
    m_services.view.setGraphColors(m_settings.sys.GraphBackColor, m_settings.sys.GraphTextColor);
    m_services.view.drawGraph(LiveGraph::mGraphLine(m_settings.sys.GraphGridColor), {});
}

void MainProgram::refreshGraph() {
    m_services.view.setGraphColors(m_settings.sys.GraphBackColor, m_settings.sys.GraphTextColor);
    m_services.view.setLegend(LiveGraph::gSetSColor(m_settings));
    m_services.view.setGraphAxis(LiveGraph::gSetGraphAxis(m_graph.cycleCurrent(), m_settings));
    redrawGraph();
}

void MainProgram::redrawGraph() {
    m_services.view.drawGraph(LiveGraph::mGraphLine(m_settings.sys.GraphGridColor),
                              m_graph.mDrawGraph(m_graph.cycleCurrent(), m_settings));
}

void MainProgram::TimerView_Timer() {
    m_services.view.showStatus(gDisplayOn(m_settings, m_state, PumpTestRunning));
    // The pump test drives the outputs itself while it runs.
    if (PumpTestRunning) return;
    try {
        if (m_alarm) m_alarm->mChkAlarm();
    } catch (const std::exception& e) {
        logError("FrmMain.mChkAlarm", e);
    }
    if (!m_autoMode) return;
    try {
        m_autoMode->mChkAutoPw(m_safety && m_safety->anyAlarm());
    } catch (const std::exception& e) {
        logError("FrmMain.mChkAutoPw", e);
    }
}

void MainProgram::TimerGraph_Timer() {
    if (m_graph.TimerGraph_Timer(m_settings, m_state))
        m_services.view.setGraphAxis(LiveGraph::gSetGraphAxis(m_graph.cycleCurrent(), m_settings));
    redrawGraph();
}

void MainProgram::chooseGraphGroup(int group) {
    try {
        m_graph.chooseGroup(group, m_settings);
        m_services.view.setGraphAxis(LiveGraph::gSetGraphAxis(m_graph.cycleCurrent(), m_settings));
        redrawGraph();
        saveSystemFile();
    } catch (const std::exception& e) {
        logError("FrmMain.mPopupGraph", e);
    }
}

void MainProgram::chooseGraphTime(int timeIndex) {
    try {
        m_graph.chooseTime(timeIndex, m_settings);
        m_services.view.setGraphAxis(LiveGraph::gSetGraphAxis(m_graph.cycleCurrent(), m_settings));
        saveSystemFile();
    } catch (const std::exception& e) {
        logError("FrmMain.mPopupGraph", e);
    }
}

void MainProgram::mDisplayOff() {
    try {
        m_services.view.clearReadings();
        // Every reader sees "no reading": -31 is outside the temperature codes, -1 gives no speed or flow.
        for (std::size_t i = 2; i <= 11; ++i) m_state.StatusBytes[i] = -31;
        for (std::size_t i = 12; i <= 22; ++i) m_state.StatusBytes[i] = -1;
    } catch (const std::exception& e) {
        logError("FrmMain.mDisplayOff", e);
    }
}

bool MainProgram::ConfirmExit() {
    const std::string text = MessageText(7) + "\n\n" + MessageText(8) + "     ";
    if (m_services.dialogs.standardBox(kGeneralTitle, text, BoxIcon::Warning, BoxButtons::YesNo) != BoxAnswer::Yes)
        return false;
    m_settings.sys.WindowPos[0] = m_services.view.leftTwips();
    m_settings.sys.WindowPos[1] = m_services.view.topTwips();
    ExitProgram();
    return true;
}

void MainProgram::ExitProgram(bool sessionEnding) {
    if (m_ended) return;
    m_ended = true;
    if (m_hooks.stopRecording) m_hooks.stopRecording();
    m_settings.sys.Recording = 0;
    auto& beeper = m_state.ControlBytes[ct::Beeper];
    if (beeper == 1) beeper = 2;
    if (sessionEnding) {
        const SaveOutcome outcome = SaveSystemFile(m_paths.SysFilePath, m_settings);
        if (!outcome.ok()) m_errorLog.LogError("FrmMain.ExitProgram", std::to_string(outcome.number), outcome.description);
    } else {
        saveSystemFile();
    }
    m_services.tray.remove();
    if (m_hooks.closePort) m_hooks.closePort();
    for (MainTimer t : {MainTimer::Scan, MainTimer::Com, MainTimer::View, MainTimer::ShutDown, MainTimer::Graph,
                        MainTimer::Log})
        m_services.view.setTimerEnabled(t, false);
    m_services.view.closeAllAndQuit();
}

} // namespace vrx
