#include "options_wiring.h"

#include "frm_main.h"
#include "frm_options.h"
#include "options/options_editor.h"

namespace vrx {

OptionsWiring::OptionsWiring(MainProgram& program, gui::FrmMain& window, Dialogs& dialogs, LinkEngine& link,
                             MainLinkHost& linkHost, const PortMap& ports, AutoStarter& autoStarter)
    : m_program(program), m_window(window), m_dialogs(dialogs), m_link(link), m_ports(ports),
      m_autoStarter(autoStarter) {
    linkHost.onLinkState = [this](const LinkStateView& view) {
        if (m_open) m_open->showLinkState(view);
    };
}

void OptionsWiring::openOptions() {
    if (m_open) return; // a key or tray item while it is up
    Settings& s = m_program.settings();
    OptionsEditor editor;
    editor.mOpenCFG(s, m_link.state(), portEntries(m_ports, m_ports.candidatePorts()));
    gui::FrmOptions dialog(
        &m_window, editor, m_dialogs, s.sys.AlwaysOnTop == kTrue,
        [this, &s](const OptionsEditor& e) { return e.isButtonScan_Click(s, *this, m_dialogs); });
    m_open = &dialog;
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    m_open = nullptr;
    if (confirmed) editor.save(s, m_program.state(), m_program.graph(), *this, m_dialogs);
}

void OptionsWiring::startScan() {
    m_link.StartScan();
}

void OptionsWiring::stopLink() {
    m_link.StopLink();
}

void OptionsWiring::setAutoStart(bool on) {
    if (on)
        m_autoStarter.install();
    else
        m_autoStarter.uninstall();
}

void OptionsWiring::refreshGraph() {
    m_program.refreshGraph();
}

void OptionsWiring::saveSystemFile() {
    m_program.saveSystemFile();
}

void OptionsWiring::logError(const std::string& procedure, const std::string& description) {
    m_program.errorLog().LogError(procedure, "0", description);
}

} // namespace vrx
