#include "pumptest_wiring.h"

#include <QApplication>

#include "diag/message_box.h"
#include "diag/messages.h"
#include "frm_characteristics.h"
#include "frm_main.h"

namespace vrx {

namespace {
constexpr const char* kTitle = "Pump Characteristics";
}

PumpTestWiring::PumpTestWiring(MainProgram& program, gui::FrmMain& window, Dialogs& dialogs,
                               const SafetyState& safety, std::function<bool()> linked)
    : m_program(program), m_window(window), m_dialogs(dialogs), m_linked(std::move(linked)),
      m_test(program.settings(), program.state(), safety, program.PumpTestRunning, *this) {}

void PumpTestWiring::openPumpTest() {
    gui::FrmCharacteristics dialog(&m_window, m_test, m_program.settings());
    m_open = &dialog;
    dialog.exec();
    m_open = nullptr;
}

int PumpTestWiring::showMessage(int number, int mode, int icon, int widthTwips, int heightTwips) {
    return ShowMessageBox(m_dialogs, widthTwips, heightTwips, mode, kTitle, MessageText(number), "", icon);
}

void PumpTestWiring::showNotice(const std::string& text) {
    m_dialogs.standardBox(kTitle, text, BoxIcon::Warning, BoxButtons::Ok);
}

void PumpTestWiring::beep() {
    QApplication::beep();
}

void PumpTestWiring::logError(const std::string& procedure, const std::string& description) {
    m_program.errorLog().LogError(procedure, "0", description);
}

void PumpTestWiring::outputsRestored() {
    // The menus follow the settings each time they open; the next view tick shows the outputs.
}

void PumpTestWiring::refresh() {
    if (m_open) m_open->refresh();
}

} // namespace vrx
