#include "diag/error_log.h"
#include "diag/message_box.h"
#include "diag/messages.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace vrx {
namespace {

TEST(MessageText, TextsKeepTheirTrailingSpaces) {
    struct Case {
        int number;
        const char* text;
    };
    const Case cases[] = {
        {7, "Do you wish to exit the VRX program ?"},
        {8, "CAUTION : This will disable Brisvale Safety features."},
        {108, "Path not found. "},
        {109, "You have successfully completed the capture!     "},
        {112, "This WAV file is invalid.   "},
        {116, "Log file not found.  "},
        {118, "The folder cannot find.  Select or create another log file folder.  "},
        {119, "This is not a valid VRX system file.   "},
        {200, "Please enter the correct port number(1~255)!     "},
        {107, ""},
        {999, ""},
        {0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageText(c.number), c.text) << c.number;
    EXPECT_EQ(MessageText(106), MessageText(104));
}

TEST(MessageText, PumpTestWarningHasTwoLineBreaks) {
    const std::string text = MessageText(114);
    std::size_t pairs = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++pairs;
    EXPECT_EQ(pairs, 2u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1); // no bare line feeds
    EXPECT_TRUE(text.ends_with("(up to 4 minutes).   "));
}

class ErrorLogTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    Int16 debugLog = kTrue;
    ErrorLog log{dir.file("debug.log"), debugLog, clock, dialogs};
};

TEST_F(ErrorLogTest, WritesOneDatedLinePerErrorWhileSwitchedOn) {
    log.ensureHeader();
    log.LogError("FrmMain.mChangeData", "6", "Overflow");
    clock.wall = {2027, 1, 3, 0, 0, 9};
    log.LogError("ModSub.gLoadBIN", "62", "Input past end of file", 1);
    EXPECT_EQ(test::readFile(dir.file("debug.log")),
              "RURu2 Debugs\r\n"
              "12/8/2026 9:30:05 PM, FrmMain.mChangeData, 6:Overflow\r\n"
              "1/3/2027 12:00:09 AM, ModSub.gLoadBIN, 62:Input past end of file\r\n");

    debugLog = 0;
    log.LogError("FrmMain.mStartWork", "5", "ignored");
    log.ensureHeader(); // an existing log is left alone
    EXPECT_EQ(test::readFile(dir.file("debug.log")).find("ignored"), std::string::npos);
    EXPECT_TRUE(dialogs.standard.empty());
}

TEST_F(ErrorLogTest, HeaderIsWrittenEvenWhenLoggingIsOff) {
    debugLog = 0;
    log.ensureHeader();
    EXPECT_EQ(test::readFile(dir.file("debug.log")), "RURu2 Debugs\r\n");
}

TEST(ErrorLog, UnwritableLogShowsDebugLogWarningAndDropsTheLine) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("debug.log").c_str(), 0644), 0);
    const struct {
        const char* what;
        std::string path;
    } cases[] = {{"missing folder", dir.file("missing-folder/debug.log")},
                 {"a FIFO, which would block the write", dir.file("debug.log")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeClock clock;
        test::FakeDialogs dialogs;
        Int16 on = kTrue;
        ErrorLog log(c.path, on, clock, dialogs);
        log.LogError("FrmMain.mStartWork", "53", "File not found");
        ASSERT_EQ(dialogs.standard.size(), 1u);
        EXPECT_EQ(dialogs.standard[0].title, "Debug Log");
        EXPECT_EQ(dialogs.standard[0].icon, BoxIcon::Warning);
        EXPECT_FALSE(dialogs.standard[0].text.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing-folder/debug.log")));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("debug.log")));
}

TEST(MessageBoxLayout, ButtonsPerMode) {
    const int w = 6000, h = 3000;
    const auto ok = layoutMessageBox(0, w, h);
    EXPECT_EQ(ok.first.caption, "OK");
    EXPECT_FALSE(ok.second.visible);
    EXPECT_EQ(ok.first.leftTwips, (w - kBoxButtonWidthTwips) / 2);
    EXPECT_EQ(ok.first.topTwips, h - 1000);

    const auto yesNo = layoutMessageBox(1, w, h);
    EXPECT_EQ(yesNo.first.caption, "Yes");
    EXPECT_EQ(yesNo.second.caption, "No");
    EXPECT_TRUE(yesNo.second.visible);

    const auto okCancel = layoutMessageBox(2, w, h);
    EXPECT_EQ(okCancel.first.caption, "OK");
    EXPECT_EQ(okCancel.second.caption, "Cancel");
    EXPECT_EQ(okCancel.first.leftTwips, w / 2 - kBoxButtonWidthTwips - 38);
    EXPECT_EQ(okCancel.second.leftTwips, okCancel.first.leftTwips + 1020);
}

} // namespace
} // namespace vrx
