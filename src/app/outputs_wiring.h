#pragma once
// Wires the fan and pump outputs to the main window: menus, keys, command buttons, the name boxes,
// the two editors, and the polling pause after all pumps change.
#include <chrono>

#include "app/main_keys.h"
#include "app/main_outputs_host.h"
#include "outputs/outputs.h"
#include "safety/safety_state.h"

namespace vrx::gui {
class FrmMain;
}

namespace vrx {

class OutputsWiring {
public:
    OutputsWiring(MainProgram& program, BalloonTip& balloons, gui::FrmMain& window);

    MainOutputsHost& host() { return m_host; }
    Outputs& outputs() { return m_outputs; }
    MainKeys& keys() { return m_keys; }
    // The pump menu's "Pump Characteristics".
    std::function<void()> openPumpTest;
    // While the safety state has an alarm, no output is lowered and commands say why.
    void guardWith(const SafetyState& safety);
    // False while the controller exchange is paused.
    bool pollingAllowed() const { return std::chrono::steady_clock::now() >= m_pollResume; }

private:
    void openAutoEditor(OutputKind kind, int unit);
    void openPowerAdjust(OutputKind kind, int unit);

    MainProgram& m_program;
    gui::FrmMain& m_window;
    MainOutputsHost m_host;
    Outputs m_outputs;
    MainKeys m_keys;
    std::chrono::steady_clock::time_point m_pollResume{};
};

} // namespace vrx
