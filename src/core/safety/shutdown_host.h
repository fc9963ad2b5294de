#pragma once
// What the shutdown check and the countdown ask of the rest of the program.
#include <string>

#include "iface/tray.h"

namespace vrx {

class ShutdownHost {
public:
    virtual ~ShutdownHost() = default;
    // Shows the countdown window over the main window, modal to it, and returns at once: the
    // program's timers keep running while it is open. Topmost when asked.
    virtual void showCountdown(bool topmost) = 0;
    // The countdown's labels changed; the window reads them from the model.
    virtual void updateCountdown() = 0;
    // Hides the countdown window; called also when it is already closing.
    virtual void closeCountdown() = 0;
    // The program's orderly exit (settings saved, windows closed).
    virtual void exitProgram() = 0;
    virtual void saveSystemFile() = 0;
    // A message box that may return before the user has answered; the model assumes nothing of it.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // A short balloon titled with the program's general title.
    virtual void showBalloon(const std::string& text, BalloonIcon icon) = 0;
    virtual void logError(const std::string& procedure, const std::string& description) = 0;
};

} // namespace vrx
