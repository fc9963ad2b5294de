#pragma once
#include <functional>

#include "app/main_program.h"
#include "outputs/outputs_host.h"
#include "shell/balloon_tip.h"

namespace vrx {

// Connects the fan and pump commands to the program: settings file, error log, balloons, and the
// editors and polling pause that the window wiring provides.
class MainOutputsHost : public OutputsHost {
public:
    MainOutputsHost(MainProgram& program, BalloonTip& balloons) : m_program(program), m_balloons(balloons) {}

    std::function<void(int ms)> scheduleBalloonExpiry;
    std::function<void(OutputKind, int unit)> autoEditor;
    std::function<void(OutputKind, int unit)> powerAdjust;
    std::function<void(int ms)> pause;

    void saveSystemFile() override { m_program.saveSystemFile(); }
    void showBalloon(const std::string& text, BalloonIcon icon) override;
    void logError(const std::string& procedure, const std::string& description) override {
        m_program.errorLog().LogError(procedure, "0", description);
    }
    void openAutoEditor(OutputKind kind, int unit) override {
        if (autoEditor) autoEditor(kind, unit);
    }
    void openPowerAdjust(OutputKind kind, int unit) override {
        if (powerAdjust) powerAdjust(kind, unit);
    }
    void pausePolling(int ms) override {
        if (pause) pause(ms);
    }

private:
    MainProgram& m_program;
    BalloonTip& m_balloons;
};

} // namespace vrx
