#include "outputs_wiring.h"

#include "frm_adjust.h"
#include "frm_auto.h"
#include "frm_main.h"
#include "outputs/auto_editor.h"
#include "outputs/output_menus.h"
#include "outputs/power_adjust.h"

namespace vrx {

OutputsWiring::OutputsWiring(MainProgram& program, BalloonTip& balloons, gui::FrmMain& window)
    : m_program(program), m_window(window), m_host(program, balloons),
      m_outputs(program.settings(), program.state(), m_host), m_keys(program.settings(), m_outputs.levels, window) {
    m_host.autoEditor = [this](OutputKind kind, int unit) { openAutoEditor(kind, unit); };
    m_host.powerAdjust = [this](OutputKind kind, int unit) { openPowerAdjust(kind, unit); };
    m_host.pause = [this](int ms) { m_pollResume = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms); };
    program.attachAutoMode(&m_outputs.autoMode);

    window.outputMenuModel = [this](OutputKind kind) { return buildOutputMenu(m_program.settings(), kind); };
    window.onOutputItemChosen = [this](OutputKind kind, int unit, int item) {
        if (unit < 0) {
            if (kind == OutputKind::Pump && item == kPumpCharacteristicsItem && openPumpTest) openPumpTest();
            return;
        }
        if (kind == OutputKind::Fan) m_outputs.levels.mFanSelect(unit, item);
        else m_outputs.levels.mPumpSelect(unit, item);
    };
    window.onKeyDown = [this](const KeyPress& press) { return m_keys.Form_KeyDown(press); };
    window.onCommandButtonClicked = [this](int index) { m_keys.xCtl_Button2_Click(index); };
    window.onCommandButtonKey = [this](int index, Key key) { return m_keys.xCtl_Button2_KeyDown(index, key); };
    window.onNameBoxKey = [this](int box, Key key) { return m_keys.txtTname_KeyDown(box, key); };
    window.onNameBoxLeft = [this](int box, const std::string& text) { m_program.txtTname_LostFocus(box, text); };
    m_keys.hideWindow = [this] { m_window.hideWindow(); };
    m_keys.confirmExit = [this] { m_program.ConfirmExit(); };
    m_keys.switchFanBarStyle = [this] { m_program.switchFanBarStyle(); };
    m_keys.chooseGraphGroup = [this](int group) { m_program.chooseGraphGroup(group); };
}

namespace {
bool alwaysOnTop(const Settings& s) {
    return s.sys.AlwaysOnTop == kTrue;
}
} // namespace

void OutputsWiring::guardWith(const SafetyState& safety) {
    m_outputs.bytes.setAlarmGuard([&safety] { return safety.anyAlarm(); });
    m_outputs.levels.alarmReason = [this, &safety] { return safety.alarmReason(m_program.settings().sys.BoardType); };
}

void OutputsWiring::openAutoEditor(OutputKind kind, int unit) {
    Settings& s = m_program.settings();
    AutoEditor editor(kind, unit);
    try {
        editor.Form_Load(s, m_program.state().StatusBytes);
    } catch (const std::exception& e) {
        // The editor still opens with what was set up before the failure.
        m_program.errorLog().LogError("FrmAuto.Form_Load", "0", e.what());
    }
    gui::FrmAuto dialog(&m_window, editor, alwaysOnTop(s));
    if (dialog.exec() != QDialog::Accepted) return;
    editor.save(s);
    m_program.saveSystemFile();
}

void OutputsWiring::openPowerAdjust(OutputKind kind, int unit) {
    Settings& s = m_program.settings();
    PowerAdjust editor(kind, unit);
    try {
        editor.Form_Load(s);
    } catch (const std::exception& e) {
        m_program.errorLog().LogError("FrmAdjust.Form_Load", "0", e.what());
    }
    gui::FrmAdjust dialog(&m_window, editor, alwaysOnTop(s));
    if (dialog.exec() != QDialog::Accepted) return;
    editor.save(s, m_outputs.bytes);
    m_program.saveSystemFile();
    m_outputs.levels.reportRefusal(); // a Save begun before an alarm does not lower anything
}

} // namespace vrx
