#pragma once
#include <string>
#include <vector>

#include "options/options_host.h"

namespace vrx::test {

// Records what the options dialog asked of the program, in order.
class FakeOptionsHost : public OptionsHost {
public:
    std::vector<std::string> calls;

    void startScan() override { calls.push_back("startScan"); }
    void stopLink() override { calls.push_back("stopLink"); }
    void setAutoStart(bool on) override { calls.push_back(on ? "autoStart:on" : "autoStart:off"); }
    void refreshGraph() override { calls.push_back("refreshGraph"); }
    void saveSystemFile() override { calls.push_back("save"); }
    void logError(const std::string& procedure, const std::string&) override {
        calls.push_back("log:" + procedure);
    }
};

} // namespace vrx::test
