#pragma once
// What the fan and pump commands ask of the rest of the program.
#include <string>

#include "iface/tray.h"
#include "outputs/levels.h"

namespace vrx {

class OutputsHost {
public:
    virtual ~OutputsHost() = default;
    virtual void saveSystemFile() = 0;
    // A short balloon titled with the program's general title.
    virtual void showBalloon(const std::string& text, BalloonIcon icon) = 0;
    virtual void logError(const std::string& procedure, const std::string& description) = 0;
    // Modal editors over the main window; they store nothing unless the user saves.
    virtual void openAutoEditor(OutputKind kind, int unit) = 0;
    virtual void openPowerAdjust(OutputKind kind, int unit) = 0;
    // Stops the controller exchange for a while without blocking the window.
    virtual void pausePolling(int milliseconds) = 0;
};

} // namespace vrx
