#include "recording_wiring.h"

#include <QMessageBox>
#include <filesystem>

#include "diag/messages.h"
#include "frm_log.h"
#include "frm_main.h"
#include "recording/log_settings.h"

namespace vrx {

RecordingWiring::RecordingWiring(MainProgram& program, gui::FrmMain& window, const Clock& clock, Dialogs& dialogs)
    : m_program(program), m_window(window), m_dialogs(dialogs), m_writer(program.settings(), program.state(), {clock, dialogs, *this}) {
    window.setTimerHandler(MainTimer::Log, [this] { m_writer.TimerLog_Timer(); });
}

void RecordingWiring::openRecordingSettings() {
    Settings& s = m_program.settings();
    // The default folder is ours to make: a new user should not be told it "cannot be found".
    // A folder the user chose is never created behind their back (it may be a removed drive).
    if (s.sys.LogFolder == m_program.paths().AppDir + "Logs/") {
        std::error_code ec;
        std::filesystem::create_directories(s.sys.LogFolder, ec);
    }
    LogSettings model(s, m_writer, m_dialogs);
    gui::FrmLog dialog(&m_window, model, s.sys.AlwaysOnTop == kTrue);
    dialog.exec();
    // The dialog stores each choice as it is made; closing keeps them and any recording.
    m_program.saveSystemFile();
}

void RecordingWiring::logError(const std::string& procedure, int number, const std::string& description) {
    m_program.errorLog().LogError(procedure, std::to_string(number), description);
}

void RecordingWiring::tellUser(const std::string& text) {
    // Not waited for: it comes from the recording tick.
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromLatin1(kGeneralTitle), QString::fromStdString(text),
                                QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void RecordingWiring::showRecordingIndicator(bool shown) {
    m_window.setActivityImageVisible(shown);
}

void RecordingWiring::enableTimerLog(bool enabled) {
    m_window.setTimerEnabled(MainTimer::Log, enabled);
}

} // namespace vrx
