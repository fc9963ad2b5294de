#pragma once
#include <string>
#include <vector>

#include "recording/log_host.h"

namespace vrx::test {

// Records what the log writer asks of the program.
class FakeLogHost : public LogHost {
public:
    struct Entry {
        std::string procedure;
        int number = 0;
        std::string description;
    };
    std::vector<Entry> errors;
    std::vector<std::string> told;
    bool indicator = false;
    bool timerLog = false;

    void logError(const std::string& procedure, int number, const std::string& description) override {
        errors.push_back({procedure, number, description});
    }
    void tellUser(const std::string& text) override { told.push_back(text); }
    void showRecordingIndicator(bool shown) override { indicator = shown; }
    void enableTimerLog(bool enabled) override { timerLog = enabled; }

    std::vector<std::string> procedures() const {
        std::vector<std::string> names;
        for (const Entry& e : errors) names.push_back(e.procedure);
        return names;
    }
};

} // namespace vrx::test
