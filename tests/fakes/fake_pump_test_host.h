#pragma once
// Records what the pump test asked of the program, in order, and scripts its answers.
#include <stdexcept>
#include <string>
#include <vector>

#include "link/controller_state.h"
#include "pumptest/pump_test_host.h"

namespace vrx::test {

class FakePumpTestHost : public PumpTestHost {
public:
    bool link = true;
    int answer = 0;         // the button the user presses in a box
    int throwOnRefresh = 0; // the next n refreshes fail
    const bool* testRunning = nullptr;
    const ControllerState* state = nullptr;
    std::vector<std::string> events; // "msg 114", "notice ...", "save", "beep", "restored", "log ..."
    std::vector<std::string> shownWhileRunning; // boxes shown while the flag was still set
    std::vector<std::string> shownWithPumps;    // "29,30" pump bytes when a box was shown

    bool linked() const override { return link; }
    void saveSystemFile() override { events.push_back("save"); }
    int showMessage(int number, int, int, int, int) override {
        shown("msg " + std::to_string(number));
        return answer;
    }
    void showNotice(const std::string& text) override { shown("notice " + text); }
    void beep() override { events.push_back("beep"); }
    void logError(const std::string& procedure, const std::string& description) override {
        events.push_back("log " + procedure + ": " + description);
    }
    void outputsRestored() override { events.push_back("restored"); }
    void refresh() override {
        if (throwOnRefresh > 0) {
            --throwOnRefresh;
            throw std::runtime_error("drawing failed");
        }
    }

    int count(const std::string& prefix) const {
        int n = 0;
        for (const auto& e : events)
            n += e.rfind(prefix, 0) == 0 ? 1 : 0;
        return n;
    }

private:
    void shown(const std::string& what) {
        events.push_back(what);
        if (testRunning != nullptr && *testRunning) shownWhileRunning.push_back(what);
        if (state != nullptr)
            shownWithPumps.push_back(std::to_string(state->ControlBytes[29]) + "," +
                                     std::to_string(state->ControlBytes[30]));
    }
};

} // namespace vrx::test
