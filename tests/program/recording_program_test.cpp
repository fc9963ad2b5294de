// A one-minute recording made by the whole program against the simulated controller, read back
// by a reader written from the file format's description alone (not from the writer's code).
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <set>
#include <sstream>

#include "e2e/process.h"
#include "fakes/temp_dir.h"
#include "frm_log.h"
#include "settings/system_file.h"
#include "wired_program.h"

namespace vrx {
namespace {

using namespace std::chrono_literals;

// What the reader makes of a recording file.
struct ReadLog {
    std::string error; // empty when the file is well formed
    std::vector<std::string> names;
    std::string settingsLine;
    std::vector<std::vector<std::string>> fields; // per data line: 20 fields, trimmed
    std::vector<int> seconds;                     // per data line: time of day in seconds
};

ReadLog failure(const std::string& why) {
    ReadLog log;
    log.error = why;
    return log;
}

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Header: "stx" + 10 names in 8, CR LF, 6 names in 7, CR LF, 4 names in 11 + "&&", CR LF, a
// 51-character settings line, CR LF; then one line a second: "hh:mm:ss," + 20 fields each ending
// in "," + a four-digit line number, CR LF.
ReadLog readRecording(const std::string& bytes) {
    ReadLog log;
    if (bytes.size() < 230) return failure("shorter than a header");
    if (bytes.compare(0, 3, "stx") != 0) return failure("no stx");
    for (const std::size_t at : {83u, 127u, 175u, 228u})
        if (bytes.compare(at, 2, "\r\n") != 0) return failure("no line end at byte " + std::to_string(at + 1));
    if (bytes.compare(173, 2, "&&") != 0) return failure("no && before the settings line");
    for (int i = 0; i < 10; ++i) log.names.push_back(trimmed(bytes.substr(3 + 8 * i, 8)));
    for (int i = 0; i < 6; ++i) log.names.push_back(trimmed(bytes.substr(85 + 7 * i, 7)));
    for (int i = 0; i < 4; ++i) log.names.push_back(trimmed(bytes.substr(129 + 11 * i, 11)));
    log.settingsLine = bytes.substr(177, 51);
    const std::regex line(R"((\d\d):(\d\d):(\d\d),((?:[^,\r\n]*,){20})(\d{4}))");
    std::size_t at = 230;
    int expectNumber = 1;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) return failure("data line " + std::to_string(expectNumber) + " not ended");
        const std::string text = bytes.substr(at, end - at);
        std::smatch m;
        if (!std::regex_match(text, m, line)) return failure("bad data line: " + text);
        if (std::stoi(m[5]) != expectNumber) return failure("line number " + m[5].str() + " out of order");
        log.seconds.push_back(std::stoi(m[1]) * 3600 + std::stoi(m[2]) * 60 + std::stoi(m[3]));
        std::vector<std::string> fields;
        std::istringstream f(m[4].str());
        for (std::string field; std::getline(f, field, ',');) fields.push_back(field);
        fields.resize(20);
        log.fields.push_back(fields);
        ++expectNumber;
        at = end + 2;
    }
    return log;
}

TEST(RecordingProgram, AMinuteOfReadingsIsWrittenLineByLineAndReadsBack) {
    test::TempDir dir;
    Settings s;
    SetDefaults(s, dir.dir());
    s.sys.BoardType = 2;
    s.sys.ComPort = 3;
    s.sys.RecordPeriodIndex = 0; // one minute
    s.sys.RecordContinuous = 0;
    s.temp.TempName[0] = "CPU";
    s.fan.FanRecord[5] = 0;
    ASSERT_TRUE(SaveSystemFile(dir.file("vrxsys.bin"), s).ok());

    const std::string simOut = dir.file("sim.out");
    test::Process sim(VRXSIM_BIN, {"--app-dir", dir.path().string(), "--port", "3", "--board", "2"}, simOut);
    ASSERT_TRUE(test::waitFor([&] { return test::readFile(simOut).find("ready") != std::string::npos; }, 10s));

    ProgramOptions options;
    options.paths = makeAppPaths(dir.dir());
    options.autoStartEntry = dir.file("autostart.desktop");
    options.portsOnly = true;
    options.dryRunPowerOff = true;
    WiredProgram vrx(options);
    ASSERT_TRUE(vrx.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return vrx.window().timerEnabled(MainTimer::Com); }, 15000)) << "not linked";

    // Ctrl+L's dialog: Record, then close it; the recording goes on without it.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<gui::FrmLog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->button(0)->click();
        dialog->button(2)->click();
    });
    vrx.recording()->openRecordingSettings();
    ASSERT_TRUE(vrx.recording()->writer().recording());
    const std::string path = dir.dir() + "Logs/VRX.log";

    // The file grows while the minute runs, not at its end.
    std::set<std::size_t> sizesSeen;
    const bool ended = QTest::qWaitFor(
        [&] {
            sizesSeen.insert(test::readFile(path).size());
            return !vrx.recording()->writer().recording();
        },
        75000);
    ASSERT_TRUE(ended) << "the one-minute file did not end the recording";
    EXPECT_GE(sizesSeen.size(), 50u) << "lines must reach the disk one by one";

    const ReadLog log = readRecording(test::readFile(path));
    ASSERT_EQ(log.error, "");
    EXPECT_EQ(log.names[0], "CPU");
    EXPECT_EQ(log.names[1], s.temp.TempName[1]);
    EXPECT_EQ(log.names[19], s.pump.FlowName[1]);
    // mm/dd/yy 0060 17 17 10 10 Y 1111111111 111110 11 11
    EXPECT_TRUE(std::regex_match(log.settingsLine, std::regex(R"(\d\d/\d\d/\d\d 0060 17 17 10 10 Y 1{10} 111110 11 11)")))
        << log.settingsLine;
    ASSERT_EQ(log.fields.size(), 60u);
    int span = (log.seconds.back() - log.seconds.front() + 86400) % 86400;
    EXPECT_GE(span, 57);
    EXPECT_LE(span, 62);
    for (std::size_t i = 0; i < log.fields.size(); ++i) {
        const auto& f = log.fields[i];
        SCOPED_TRACE("line " + std::to_string(i + 1));
        for (int t = 0; t < 10; ++t) {
            // Right-aligned in 3: a whole number of degrees.
            ASSERT_EQ(f[t].size(), 3u) << "temperature " << t + 1;
            const int c = std::stoi(f[t]);
            EXPECT_TRUE(c >= 10 && c <= 80) << c;
        }
        for (int k = 10; k < 18; ++k) {
            if (k == 15) {
                EXPECT_EQ(f[k], "") << "fan 6 is not recorded";
                continue;
            }
            ASSERT_EQ(f[k].size(), 4u) << "speed field " << k + 1;
            EXPECT_GT(std::stoi(f[k]), 0);
        }
        for (int k = 18; k < 20; ++k) {
            ASSERT_EQ(f[k].size(), 4u) << "flow field " << k + 1;
            EXPECT_TRUE(std::regex_match(f[k], std::regex(R"( *\d+\.\d)"))) << f[k];
        }
    }
}

} // namespace
} // namespace vrx
