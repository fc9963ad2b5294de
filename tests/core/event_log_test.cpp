#include "safety/event_log.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fakes/fake_clock.h"
#include "fakes/temp_dir.h"

namespace vrx {
namespace {

TEST(EventLog, LinesAndNumbersAsWritten) {
    const LocalDateTime t{2011, 6, 14, 14, 3, 27};
    EXPECT_EQ(eventLogLine(t, "T", 3, "61", "55"), "06/14/11, 14:03:27, Temp.(C), ch3, 61, 55");
    EXPECT_EQ(eventLogLine(t, "P", 1, "1500", "0"), "06/14/11, 14:03:27, Pump(RPM), ch1, 1500, 0");
    EXPECT_EQ(eventLogLine(t, "F", 2, "2.0", "1.5"), "06/14/11, 14:03:27, Flow rate(LPM), ch2, 2.0, 1.5");
    const std::pair<double, const char*> numbers[] = {{60, "60"}, {1500, "1500"}, {0.5, "0.5"}, {0.13, "0.13"},
                                                      {-0.0, "0"}, {1.2 / 3.7853, "0.3170158243732333"}};
    for (const auto& [value, text] : numbers) EXPECT_EQ(shortestNumber(value), text);
}

TEST(EventLog, AppendsCrLfAndLogsAFailedWrite) {
    test::TempDir dir;
    test::FakeClock clock;
    std::vector<std::string> errors;
    EventLogs logs(dir.dir(), clock, [&](const std::string& p, const std::string& d) { errors.push_back(p + ": " + d); });
    logs.gAlarmLog.write("T", 3, "61", "55");
    logs.gAlarmLog.write("P", 1, "0", "2000");
    const std::string text = test::readFile(dir.file("Alarm.log"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_NE(text.find(", Temp.(C), ch3, 61, 55\r\n"), std::string::npos);
    EXPECT_TRUE(errors.empty());

    // A FIFO in its place fails the write at once instead of blocking the alarm.
    ASSERT_EQ(::mkfifo(dir.file("Shutdown.log").c_str(), 0644), 0);
    logs.gShutdownLog.write("T", 1, "95", "Software Power Off");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("ModSub.gShutdownLog: ", 0), 0u);
}

} // namespace
} // namespace vrx
