#include "safety_wiring.h"

#include <QMessageBox>

#include "diag/messages.h"
#include "dry_run_power_off.h"
#include "frm_alarm.h"
#include "frm_delay.h"
#include "frm_down.h"
#include "frm_main.h"
#include "logind_power_off.h"
#include "qt_alarm_sound.h"
#include "safety/alarm_settings.h"
#include "safety/shutdown_settings.h"
#include "settings/system_file.h"

namespace vrx {

namespace {
std::unique_ptr<PowerOff> powerOffBackend(bool dryRun) {
    if (dryRun) return std::make_unique<DryRunPowerOff>();
    return std::make_unique<LogindPowerOff>();
}
} // namespace

SafetyWiring::SafetyWiring(MainProgram& program, BalloonTip& balloons, gui::FrmMain& window, Dialogs& dialogs,
                           const Clock& clock, bool dryRun)
    : m_program(program), m_balloons(balloons), m_window(window), m_dialogs(dialogs),
      m_logs(program.paths().AppDir, clock,
             [this](const std::string& p, const std::string& d) { logError(p, d); }),
      m_sound(std::make_unique<gui::QtAlarmSound>()),
      m_alarm(program.settings(), program.state(), m_safety, m_logs.gAlarmLog, *m_sound, *this),
      m_powerOff(powerOffBackend(dryRun)),
      m_shutdown({program.settings(), program.state(), m_safety, m_logs.gShutdownLog, *m_powerOff, *this},
                 program.PumpTestRunning) {
    m_delay = std::make_unique<gui::FrmDelay>(&window, m_shutdown.countdown());
    m_countdownTimer.setInterval(1000);
    QObject::connect(&m_countdownTimer, &QTimer::timeout, [this] { m_shutdown.countdown().Timer1_Timer(); });
}

SafetyWiring::~SafetyWiring() = default;

void SafetyWiring::attachTo(OutputsWiring& outputs) {
    m_program.attachAlarmCheck(&m_alarm, &m_safety);
    outputs.guardWith(m_safety);
    MainKeys& keys = outputs.keys();
    keys.setAlarmMode = [this](bool silent) { m_alarm.mSetAlarmMode(silent, false); };
    keys.openAlarmSettings = [this] { openAlarmSettings(); };
    keys.openShutdownSettings = [this] { openShutdownSettings(); };
}

void SafetyWiring::resetForLoad() {
    m_safety.AlarmActive = 0;
    m_safety.AlarmCleared = 0;
    m_safety.ShutdownLatch.fill(0);
    m_program.PumpTestRunning = false;
}

void SafetyWiring::showCountdown(bool topmost) {
    m_delay->present(topmost);
    m_countdownTimer.start();
}

void SafetyWiring::updateCountdown() {
    m_delay->refresh();
}

void SafetyWiring::closeCountdown() {
    m_countdownTimer.stop();
    m_delay->closeWindow();
}

void SafetyWiring::exitProgram() {
    m_countdownTimer.stop();
    m_program.ExitProgram();
}

void SafetyWiring::saveSystemFile() {
    m_program.saveSystemFile();
}

void SafetyWiring::showMessage(const std::string& title, const std::string& text) {
    // Not waited for: the checks go on while the user reads it.
    auto* box = new QMessageBox(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                                QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void SafetyWiring::showBalloon(const std::string& text, BalloonIcon icon) {
    const int ms = m_balloons.gTrayBalloonTip(text, kGeneralTitle, icon, true);
    if (ms > 0 && scheduleBalloonExpiry) scheduleBalloonExpiry(ms);
}

void SafetyWiring::logError(const std::string& procedure, const std::string& description) {
    m_program.errorLog().LogError(procedure, "0", description);
}

void SafetyWiring::showTempLook(int channel, AlarmLook look) {
    m_window.setTempLook(channel, look);
}

void SafetyWiring::showPumpAlarm(int pump, bool alarm) {
    m_window.setPumpAlarm(pump, alarm);
}

void SafetyWiring::showFlowAlarm(int flow, bool alarm) {
    m_window.setFlowAlarm(flow, alarm);
}

void SafetyWiring::lockOutputMenus(bool locked) {
    m_window.setOutputMenusEnabled(!locked);
}

void SafetyWiring::showBalloon(const std::string& text, BalloonIcon icon, int seconds) {
    const int ms = m_balloons.gTrayBalloonTip(text, kGeneralTitle, icon, seconds <= 1);
    if (ms > 0 && scheduleBalloonExpiry) scheduleBalloonExpiry(ms);
}

void SafetyWiring::showAlarmModeImage(bool silent) {
    m_window.setAlarmModeImage(silent);
}

void SafetyWiring::openAlarmSettings() {
    Settings& s = m_program.settings();
    AlarmSettings editor;
    editor.mFirstSetup(s);
    gui::FrmAlarm dialog(&m_window, editor, s.sys.AlwaysOnTop == kTrue, m_dialogs, *m_sound);
    const bool saved = dialog.exec() == QDialog::Accepted && editor.save(s, m_program.state().ControlBytes);
    // The slider group choice is kept even when the dialog is closed without saving.
    const bool group = editor.storeSliderGroup(s);
    if (saved) showAlarmModeImage(s.sys.AlarmMute == kTrue);
    if (saved || group) m_program.saveSystemFile();
}

void SafetyWiring::openShutdownSettings() {
    Settings& s = m_program.settings();
    ShutdownSettings editor;
    if (const auto error = editor.mFrmDataSet(s)) logError("FrmDown.mFrmDataSet", *error);
    gui::FrmDown dialog(&m_window, editor, s.sys.AlwaysOnTop == kTrue, m_dialogs);
    const bool saved = dialog.exec() == QDialog::Accepted && editor.save(s, m_program.state().ControlBytes);
    const bool group = editor.storeSliderGroup(s);
    if (saved || group) m_program.saveSystemFile();
}

} // namespace vrx
