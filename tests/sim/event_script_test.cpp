#include <gtest/gtest.h>

#include "vrxsim/event_script.h"

namespace vrxsim {
namespace {

TEST(EventScript, GoodLines) {
    struct Case {
        const char* line;
        SimEvent want;
    };
    const Case cases[] = {
        {"5 overheat 3", {5, EventKind::Overheat, 3, 70}},
        {"5.5 overheat 10 85.5", {5.5, EventKind::Overheat, 10, 85.5}},
        {"  0\tcool 1  # back to normal", {0, EventKind::Cool, 1, 0}},
        {"7 pump-stop 2", {7, EventKind::PumpStop, 2, 0}},
        {"8 pump-start 1", {8, EventKind::PumpStart, 1, 0}},
        {"9 sensor-open 4", {9, EventKind::SensorOpen, 4, 0}},
        {"9 sensor-short 5", {9, EventKind::SensorShort, 5, 0}},
        {"9 sensor-ok 5", {9, EventKind::SensorOk, 5, 0}},
        {"10 corrupt 3", {10, EventKind::Corrupt, 3, 0}},
        {"11 silence 2.5", {11, EventKind::Silence, 0, 2.5}},
        {"12 unplug", {12, EventKind::Unplug, 0, 0}},
        {"13 replug\r", {13, EventKind::Replug, 0, 0}},
        {"14 quit", {14, EventKind::Quit, 0, 0}},
    };
    for (const auto& c : cases) {
        const EventParse r = parseEventLine(c.line);
        ASSERT_TRUE(r.ok) << c.line << ": " << r.error;
        EXPECT_EQ(r.event, c.want) << c.line;
    }
}

TEST(EventScript, BadLinesSayWhatIsWrong) {
    struct Case {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"x overheat 3", "time 'x' is not a number of seconds >= 0"},
        {"-1 quit", "time '-1' is not a number of seconds >= 0"},
        {"5", "missing event kind after the time"},
        {"5 explode", "unknown event 'explode'"},
        {"5 overheat", "overheat needs an argument"},
        {"5 overheat 11", "overheat: channel '11' is not 1..10"},
        {"5 overheat 0", "overheat: channel '0' is not 1..10"},
        {"5 overheat 2 hot", "overheat: degrees 'hot' is not -30..130"},
        {"5 overheat 2 200", "overheat: degrees '200' is not -30..130"},
        {"5 overheat 2 70 9", "too many arguments for overheat"},
        {"5 pump-stop 3", "pump-stop: pump '3' is not 1 or 2"},
        {"5 corrupt 0", "corrupt: frame count '0' is not a whole number >= 1"},
        {"5 corrupt 1.5", "corrupt: frame count '1.5' is not a whole number >= 1"},
        {"5 silence 0", "silence: seconds '0' is not a number > 0"},
        {"5 unplug now", "too many arguments for unplug"},
        {"5 cool 1x", "cool: channel '1x' is not 1..10"},
    };
    for (const auto& c : cases) {
        const EventParse r = parseEventLine(c.line);
        EXPECT_FALSE(r.ok) << c.line;
        EXPECT_FALSE(r.blank) << c.line;
        EXPECT_EQ(r.error, c.error) << c.line;
    }
}

TEST(EventScript, ScriptSkipsCommentsOrdersByTimeAndNumbersBadLines) {
    const ScriptParse s = parseEventScript("# demo\n"
                                           "20 quit\n"
                                           "\n"
                                           "3 overheat 2 65\n"
                                           "3 corrupt 2\n"
                                           "4 overheet 1\n");
    ASSERT_EQ(s.errors, std::vector<std::string>{"line 6: unknown event 'overheet'"});
    ASSERT_EQ(s.events.size(), 3u);
    EXPECT_EQ(s.events[0].kind, EventKind::Overheat); // equal times keep the script's order
    EXPECT_EQ(s.events[1].kind, EventKind::Corrupt);
    EXPECT_EQ(s.events[2].kind, EventKind::Quit);
}

} // namespace
} // namespace vrxsim
