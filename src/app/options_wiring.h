#pragma once
// Wires the options dialog into the program: the settings it edits, the link it scans with and
// moves to a new port, start at login, the live graph and the system file.
#include "app/main_link_host.h"
#include "app/main_program.h"
#include "iface/autostart.h"
#include "iface/dialogs.h"
#include "link/link_engine.h"
#include "link/port_map.h"
#include "options/options_host.h"

namespace vrx::gui {
class FrmMain;
class FrmOptions;
} // namespace vrx::gui

namespace vrx {

class OptionsWiring : public OptionsHost {
public:
    // Takes over linkHost.onLinkState, so an open dialog follows the link.
    OptionsWiring(MainProgram& program, gui::FrmMain& window, Dialogs& dialogs, LinkEngine& link,
                  MainLinkHost& linkHost, const PortMap& ports, AutoStarter& autoStarter);

    // The dialog, modal; a confirmed dialog stores, applies and saves its fields.
    void openOptions();
    bool isOpen() const { return m_open != nullptr; }

    // OptionsHost
    void startScan() override;
    void stopLink() override;
    void setAutoStart(bool on) override;
    void refreshGraph() override;
    void saveSystemFile() override;
    void logError(const std::string& procedure, const std::string& description) override;

private:
    MainProgram& m_program;
    gui::FrmMain& m_window;
    Dialogs& m_dialogs;
    LinkEngine& m_link;
    const PortMap& m_ports;
    AutoStarter& m_autoStarter;
    gui::FrmOptions* m_open = nullptr;
};

} // namespace vrx
