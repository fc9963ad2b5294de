#pragma once
// Wires the log viewer to the program: command button 6 and Ctrl+V open it, modeless and only
// once; its error-log entries and settings saves go to the program.
#include <QPointer>
#include <string>

#include "app/main_program.h"
#include "iface/dialogs.h"
#include "recording/log_viewer.h"

namespace vrx::gui {
class FrmMain;
class FrmxPlayer;
} // namespace vrx::gui

namespace vrx {

class ViewerWiring : public LogViewerHost {
public:
    // Pictures are offered to be saved in programFolder.
    ViewerWiring(MainProgram& program, gui::FrmMain& window, Dialogs& dialogs, std::string programFolder);
    ~ViewerWiring() override;

    // Shows the viewer, raising the open one rather than opening a second.
    void openLogViewer();
    // The open viewer, or nullptr.
    gui::FrmxPlayer* window() const;

    void logError(const std::string& procedure, int number, const std::string& description) override;
    void saveSystemFile() override { m_program.saveSystemFile(); }

private:
    MainProgram& m_program;
    gui::FrmMain& m_window;
    Dialogs& m_dialogs;
    std::string m_folder;
    QPointer<gui::FrmxPlayer> m_open;
};

} // namespace vrx
