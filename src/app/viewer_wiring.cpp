#include "viewer_wiring.h"

#include "frm_main.h"
#include "frm_xplayer.h"

namespace vrx {

ViewerWiring::ViewerWiring(MainProgram& program, gui::FrmMain& window, Dialogs& dialogs, std::string programFolder)
    : m_program(program), m_window(window), m_dialogs(dialogs), m_folder(std::move(programFolder)) {}

ViewerWiring::~ViewerWiring() {
    delete m_open.data();
}

void ViewerWiring::openLogViewer() {
    if (!m_open) {
        // A fresh window each time: the viewer starts empty, as it did when first opened.
        m_open = new gui::FrmxPlayer(m_program.settings(), m_dialogs, *this, m_folder, &m_window);
        m_open->setAttribute(Qt::WA_DeleteOnClose);
        m_open->setWindowFlag(Qt::WindowStaysOnTopHint, m_program.settings().sys.AlwaysOnTop == kTrue);
    }
    m_open->show();
    m_open->raise();
    m_open->activateWindow();
}

gui::FrmxPlayer* ViewerWiring::window() const {
    return m_open.data();
}

void ViewerWiring::logError(const std::string& procedure, int number, const std::string& description) {
    m_program.errorLog().LogError(procedure, std::to_string(number), description);
}

} // namespace vrx
