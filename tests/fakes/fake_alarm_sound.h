#pragma once
// Records what was asked of the alarm sound; plays nothing.
#include <set>
#include <string>
#include <vector>

#include "iface/alarm_sound.h"

namespace vrx::test {

class FakeAlarmSound : public AlarmSound {
public:
    std::set<std::string> playableFiles;       // what playable() and the players accept
    std::vector<std::string> calls;            // "loop:path", "stop", "once:path"
    mutable std::vector<std::string> lookedUp; // every path playable() was asked about

    bool playLooping(const std::string& path) override {
        calls.push_back("loop:" + path);
        return playableFiles.count(path) > 0;
    }
    void stop() override { calls.push_back("stop"); }
    bool playOnce(const std::string& path) override {
        calls.push_back("once:" + path);
        return playableFiles.count(path) > 0;
    }
    bool playable(const std::string& path) const override {
        lookedUp.push_back(path);
        return playableFiles.count(path) > 0;
    }

    // The loops started, in order, without the stops.
    std::vector<std::string> loops() const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind("loop:", 0) == 0) out.push_back(c.substr(5));
        return out;
    }
};

} // namespace vrx::test
