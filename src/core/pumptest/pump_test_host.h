#pragma once
// What the pump characteristics test asks of the rest of the program.
#include <string>

namespace vrx {

class PumpTestHost {
public:
    virtual ~PumpTestHost() = default;
    // True while status frames arrive from the controller.
    virtual bool linked() const = 0;
    virtual void saveSystemFile() = 0;
    // The program's message box titled "Pump Characteristics" with catalogue message `number`;
    // returns 0 for the first button (kBoxFirstButton), 1 for the second, 2 when closed.
    virtual int showMessage(int number, int mode, int icon, int widthTwips, int heightTwips) = 0;
    // A box titled "Pump Characteristics" that tells why the test did not start or stopped.
    virtual void showNotice(const std::string& text) = 0;
    virtual void beep() = 0;
    virtual void logError(const std::string& procedure, const std::string& description) = 0;
    // The fan and pump outputs are back at what they had before the test: the output menus may
    // be offered again and the main window may show the restored levels.
    virtual void outputsRestored() = 0;
    // The test's state changed (step, curves, results, buttons): the window redraws from it.
    virtual void refresh() = 0;
};

} // namespace vrx
