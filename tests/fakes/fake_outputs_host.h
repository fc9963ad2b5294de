#pragma once
// Records what the fan and pump commands asked of the program.
#include <string>
#include <vector>

#include "outputs/outputs_host.h"

namespace vrx::test {

class FakeOutputsHost : public OutputsHost {
public:
    int saves = 0;
    std::vector<std::string> balloons; // "i:text" or "w:text"
    std::vector<std::string> errors;   // "procedure: description"
    std::vector<std::string> opened;   // "auto fan 3", "adjust pump 0"
    std::vector<int> pauses;

    void saveSystemFile() override { ++saves; }
    void showBalloon(const std::string& text, BalloonIcon icon) override {
        balloons.push_back((icon == BalloonIcon::Warning ? "w:" : "i:") + text);
    }
    void logError(const std::string& procedure, const std::string& description) override {
        errors.push_back(procedure + ": " + description);
    }
    void openAutoEditor(OutputKind kind, int unit) override { opened.push_back("auto " + name(kind, unit)); }
    void openPowerAdjust(OutputKind kind, int unit) override { opened.push_back("adjust " + name(kind, unit)); }
    void pausePolling(int ms) override { pauses.push_back(ms); }

private:
    static std::string name(OutputKind kind, int unit) {
        return (kind == OutputKind::Fan ? "fan " : "pump ") + std::to_string(unit);
    }
};

} // namespace vrx::test
