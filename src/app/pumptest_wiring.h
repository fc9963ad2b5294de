#pragma once
// Wires the pump characteristics test to the pump menu, its window and the program.
#include <QTimer>
#include <functional>
#include <string>

#include "app/main_program.h"
#include "iface/dialogs.h"
#include "pumptest/pump_test.h"
#include "pumptest/pump_test_capture.h"
#include "pumptest/pump_test_host.h"
#include "safety/safety_state.h"

namespace vrx::gui {
class FrmMain;
class FrmCharacteristics;
} // namespace vrx::gui

namespace vrx {

class PumpTestWiring : public PumpTestHost {
public:
    // Pictures are offered to be saved in programFolder.
    PumpTestWiring(MainProgram& program, gui::FrmMain& window, Dialogs& dialogs, const SafetyState& safety,
                   std::function<bool()> linked, const std::string& programFolder);

    // "Pump Characteristics" in the pump menu: the test's window, modal over the main window.
    void openPumpTest();

    bool linked() const override { return m_linked && m_linked(); }
    void saveSystemFile() override { m_program.saveSystemFile(); }
    int showMessage(int number, int mode, int icon, int widthTwips, int heightTwips) override;
    void showNotice(const std::string& text) override;
    void beep() override;
    void logError(const std::string& procedure, const std::string& description) override;
    void outputsRestored() override;
    void refresh() override;

    PumpTest& test() { return m_test; }
    // The test timer: runs exactly while the test runs.
    const QTimer& timerTest() const { return m_timer; }
    // The open window, or nullptr.
    gui::FrmCharacteristics* window() const { return m_open; }

private:
    MainProgram& m_program;
    gui::FrmMain& m_window;
    Dialogs& m_dialogs;
    std::function<bool()> m_linked;
    PumpTest m_test;
    PumpTestCapture m_capture;
    QTimer m_timer;
    gui::FrmCharacteristics* m_open = nullptr;
};

} // namespace vrx
