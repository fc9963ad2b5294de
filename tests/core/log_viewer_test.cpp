// The viewer's state and commands: loading keeps the previous recording on every failure, channel
// selection and colours, pane scroll and enlargement, the capture's files and questions, the CSV
// export and the window's place.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/log_fixture.h"
#include "diag/messages.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "recording/log_csv.h"
#include "recording/log_viewer.h"

namespace vrx {
namespace {

class FakeViewerHost : public LogViewerHost {
public:
    std::vector<std::string> errors;
    int saves = 0;
    void logError(const std::string& procedure, int, const std::string&) override { errors.push_back(procedure); }
    void saveSystemFile() override { ++saves; }
};

// Temperatures 1-2, fan 1, pump 1 and flow meter 1 recorded; three lines.
const std::string kSmall = "06/14/11 0060 17 16 10 06 Y 1100000000 100000 10 10\r\n"
                           "14:30:05,20.5,31,,,,,,,,,1200,,,,,,2400,,3.5,,0001\r\n"
                           "14:30:06,21.5,30,,,,,,,,,1250,,,,,,2450,,3.6,,0002\r\n"
                           "14:30:07,19.5,,,,,,,,,,1300,,,,,,2500,,3.7,,0003\r\n";
const std::string kAllOn = "06/14/11 3600 17 16 10 06 Y 1111111111 111111 11 11\r\n"
                           "09:00:00,40,,,,,,,,,,,,,,,,,,,,0001\r\n";

struct Rig {
    test::FakeFileAccess disk;
    test::FakeDialogs dialogs;
    FakeViewerHost host;
    Settings settings = test::logSettings();
    LogViewer viewer{settings, dialogs, host, "/vrx"};
    Rig() {
        disk.folders = {"/logs/", "/vrx/", "/pics/"};
        disk.files["/logs/small.log"] = kSmall;
        disk.files["/logs/hour.log"] = kAllOn;
        disk.files["/logs/bad.log"] = kSmall.substr(0, 60);
    }
    bool open(const std::string& path) {
        dialogs.nextFiles.push_back(path);
        return viewer.mOpenFile();
    }
};

TEST(LogViewer, OnlyASuccessfulLoadReplacesTheRecording) {
    const struct {
        const char* path; // "" = chooser cancelled
        const char* fileName;
        std::size_t ownBoxes, warnings;
        std::vector<std::string> errors;
    } cases[] = {
        {"", "small.log", 0, 0, {}},
        {"/logs/none.log", "small.log", 1, 0, {}},
        {"/logs/bad.log", ".log", 0, 1, {"FrmxPlayer.mResetData"}},
        {"/logs", ".log", 0, 1, {"FrmxPlayer.mLoadBin"}},
    };
    for (const auto& c : cases) {
        Rig r;
        ASSERT_TRUE(r.open("/logs/small.log"));
        r.viewer.setPosition(2);
        r.viewer.setShown(0, false);
        const Recording* before = r.viewer.recording();
        EXPECT_FALSE(r.open(c.path)) << c.path;
        EXPECT_EQ(r.viewer.recording(), before) << c.path;
        EXPECT_EQ(r.viewer.fileNameText(), c.fileName) << c.path;
        EXPECT_EQ(r.viewer.position(), 2) << c.path;
        EXPECT_FALSE(r.viewer.shown(0)) << c.path;
        EXPECT_EQ(r.viewer.readOuts()[1], "30") << c.path; // the cursor's figures stay
        EXPECT_EQ(r.dialogs.own.size(), c.ownBoxes) << c.path;
        EXPECT_EQ(r.dialogs.standard.size(), c.warnings) << c.path;
        EXPECT_EQ(r.host.errors, c.errors) << c.path;
    }
    Rig r;
    EXPECT_FALSE(r.open("/logs/none.log"));
    ASSERT_EQ(r.dialogs.own.size(), 1u);
    EXPECT_EQ(r.dialogs.own[0].line1, "File Not found.");
    EXPECT_EQ(r.dialogs.own[0].widthTwips, 3500);
    EXPECT_FALSE(r.open("/logs/bad.log"));
    EXPECT_EQ(r.dialogs.standard.at(0).text, "  This is not a valid VRX recording file.");
    EXPECT_EQ(r.dialogs.openRequests.at(0).folder, r.settings.sys.LogFolder);
    EXPECT_EQ(r.viewer.recording(), nullptr);
}

TEST(LogViewer, ALoadSetsStepsCursorChannelsAndExtremes) {
    Rig r;
    r.settings.temp.TempUnit = 2;
    r.viewer.setPosition(1); // before a load the slider has a one-minute range
    ASSERT_TRUE(r.open("/logs/hour.log"));
    EXPECT_EQ(r.viewer.CursorStep(), 2);
    EXPECT_EQ(r.viewer.GridStep(), 120);
    r.viewer.setPosition(5000);
    EXPECT_EQ(r.viewer.position(), 3600);
    ASSERT_TRUE(r.open("/logs/small.log"));
    EXPECT_EQ(r.viewer.CursorStep(), 120);
    EXPECT_EQ(r.viewer.position(), 1);
    EXPECT_EQ(r.viewer.pointLabel(), "00:00:01 [14:30:05]");
    // The extremes come in the system's unit (F here) while the read-outs start in C.
    EXPECT_EQ(r.viewer.maxText(0), "71");
    EXPECT_EQ(r.viewer.minText(0), "67");
    EXPECT_EQ(r.viewer.readOuts()[0], "20.5");
    EXPECT_EQ(r.viewer.maxText(2), ""); // not recorded
    r.viewer.mTempChang();
    EXPECT_EQ(r.viewer.chartCaption(LogChart::Temperatures), "Sensor Temperature (F)");
    EXPECT_EQ(r.viewer.readOuts()[0], "69");
    r.viewer.mTempChang();
    EXPECT_EQ(r.viewer.maxText(0), "21.5");
    EXPECT_EQ(r.viewer.minText(0), "19.5");
    EXPECT_EQ(r.viewer.readOuts()[0], "20.5");
}

TEST(LogViewer, ChannelsAndSwatchesFollowTheRecordedFlagsAndTheTicks) {
    Rig r;
    EXPECT_FALSE(r.viewer.setShown(0, true)); // nothing loaded yet
    EXPECT_FALSE(r.viewer.shown(0));
    ASSERT_TRUE(r.open("/logs/small.log"));
    const std::vector<int> recorded{0, 1, 10, 16, 18};
    for (int i = 0; i < kLogChannels; ++i) {
        const bool on = std::count(recorded.begin(), recorded.end(), i) > 0;
        EXPECT_EQ(r.viewer.channelEnabled(i), on) << i;
        EXPECT_EQ(r.viewer.shown(i), on) << i;
        EXPECT_EQ(r.viewer.swatchColor(i), on ? r.viewer.channelColor(i) : kDisabledSwatchColor) << i;
    }
    EXPECT_FALSE(r.viewer.setShown(2, true)); // not recorded: stays off
    EXPECT_TRUE(r.viewer.setShown(16, false));
    EXPECT_FALSE(r.viewer.swatchEnabled(16));
    EXPECT_EQ(r.viewer.swatchColor(16), kDisabledSwatchColor);

    // Colours: cancel and the same colour change nothing; a new one lands in the right setting.
    const Int32 old = r.settings.pump.FlowColor[0];
    r.dialogs.nextColors = {std::nullopt, old, 0x123456};
    EXPECT_FALSE(r.viewer.mPickColor(18));
    EXPECT_FALSE(r.viewer.mPickColor(18));
    EXPECT_TRUE(r.viewer.mPickColor(18));
    EXPECT_EQ(r.settings.pump.FlowColor[0], 0x123456);
    EXPECT_EQ(r.host.saves, 1);
    EXPECT_FALSE(r.viewer.mPickColor(16)); // swatch of an unticked channel
    EXPECT_EQ(r.dialogs.colorRequests.size(), 3u);
    r.dialogs.nextColors = {0x654321};
    EXPECT_TRUE(r.viewer.mPickColor(10));
    EXPECT_EQ(r.settings.fan.FanColor[0], 0x654321);
}

TEST(LogViewer, DraggingIsLimitedAndEnlargingRestoresTheScroll) {
    Rig r;
    ASSERT_TRUE(r.open("/logs/small.log"));
    const struct {
        LogChart chart;
        int dy, top;
    } drags[] = {
        {LogChart::Temperatures, 1000, -2500}, {LogChart::Temperatures, 9000, 0},
        {LogChart::Temperatures, -9000, -5400}, {LogChart::Flows, -9000, -6190},
        {LogChart::Fans, 4000, 0},
    };
    for (const auto& d : drags) {
        const int start = r.viewer.top(d.chart);
        r.viewer.startDrag(d.chart, 500);
        r.viewer.dragTo(500 + d.dy / 2);
        r.viewer.dragTo(500 + d.dy); // moves are measured from where the drag began
        r.viewer.endDrag();
        EXPECT_EQ(r.viewer.top(d.chart), d.top) << static_cast<int>(d.chart) << " from " << start;
    }
    r.viewer.startDrag(LogChart::Pumps, 0);
    r.viewer.mResizeBox(LogChart::Pumps);
    EXPECT_EQ(r.viewer.top(LogChart::Pumps), 0);
    r.viewer.dragTo(-3000); // enlarged: no dragging
    EXPECT_EQ(r.viewer.top(LogChart::Pumps), 0);
    r.viewer.endDrag();
    r.viewer.mResizeBox(LogChart::Pumps);
    EXPECT_FALSE(r.viewer.ChartZoomed());
    EXPECT_EQ(r.viewer.top(LogChart::Pumps), -4000);
    EXPECT_EQ(r.viewer.top(LogChart::Temperatures), -5400);
    r.viewer.mResizeBox(LogChart::Flows);
    ASSERT_TRUE(r.open("/logs/small.log")); // a load while enlarged keeps the enlarged pane at the top
    EXPECT_EQ(r.viewer.top(LogChart::Flows), 0);
    EXPECT_EQ(r.viewer.top(LogChart::Temperatures), -3500);
    r.viewer.mResizeBox(LogChart::Flows);
    EXPECT_EQ(r.viewer.top(LogChart::Flows), -5000);
}

TEST(LogViewer, PanesTakeTheirSlotsOrTheWholeArea) {
    const struct {
        LogChart chart;
        bool enlarged;
        int tpp;
        PaneRect rect;
    } cases[] = {
        {LogChart::Temperatures, false, 15, {16, 30, 520, 160}}, {LogChart::Flows, false, 15, {16, 446, 520, 100}},
        {LogChart::Fans, true, 15, {16, 30, 520, 516}},         {LogChart::Pumps, false, 12, {20, 409, 652, 128}},
        {LogChart::Pumps, true, 12, {20, 38, 652, 645}},
    };
    for (const auto& c : cases) {
        const PaneRect p = paneRect(c.chart, c.enlarged, c.tpp);
        EXPECT_EQ((std::array<int, 4>{p.left, p.top, p.width, p.height}),
                  (std::array<int, 4>{c.rect.left, c.rect.top, c.rect.width, c.rect.height}));
    }
}

TEST(LogViewer, CaptureNamesItsFourFilesFromTheChosenName) {
    const struct {
        const char* chosen;
        const char* temp;
        const char* flow;
    } cases[] = {
        {"/pics/run1.bmp", "/pics/run1_Temp.BMP", "/pics/run1_Flow.BMP"},
        {"/pics/run1.BMP", "/pics/run1_Temp.BMP", "/pics/run1_Flow.BMP"},
        {"/pics/run1", "/pics/run1_Temp.BMP", "/pics/run1_Flow.BMP"}, // nothing of the name is lost
        {"/pics/a.png", "/pics/a.png_Temp.BMP", "/pics/a.png_Flow.BMP"},
    };
    for (const auto& c : cases) {
        const auto paths = capturePaths(c.chosen);
        EXPECT_EQ(paths[0], c.temp);
        EXPECT_EQ(paths[3], c.flow);
    }
    EXPECT_EQ(capturePaths("/p/x.bmp")[1], "/p/x_Fan.BMP");
    EXPECT_EQ(capturePaths("/p/x.bmp")[2], "/p/x_Pump.BMP");
}

TEST(LogViewer, CaptureAsksAboutEachFileItReplacesAndReportsFailures) {
    auto encode = [](LogChart c) { return "BM" + std::to_string(static_cast<int>(c)); };
    const struct {
        const char* name;
        bool loaded;
        const char* chosen;
        std::vector<std::string> existing;
        std::vector<BoxAnswer> answers;
        bool readOnly, ok;
        std::size_t written, questions;
        const char* lastBox;
    } cases[] = {
        {"not loaded", false, "/pics/run1.bmp", {}, {}, false, false, 0, 0, ""},
        {"cancelled", true, "", {}, {}, false, false, 0, 0, ""},
        {"fresh", true, "/pics/run1.bmp", {}, {}, false, true, 4, 0, "You have successfully completed the capture!     "},
        {"replace yes", true, "/pics/run1.bmp", {"/pics/run1_Fan.BMP", "/pics/run1_Flow.BMP"},
         {BoxAnswer::Yes, BoxAnswer::Yes}, false, true, 4, 2, "You have successfully completed the capture!     "},
        {"replace no", true, "/pics/run1.bmp", {"/pics/run1_Fan.BMP", "/pics/run1_Flow.BMP"},
         {BoxAnswer::Yes, BoxAnswer::No}, false, false, 0, 2, ""},
        {"read-only", true, "/pics/run1.bmp", {}, {}, true, false, 0, 0, ""},
    };
    for (const auto& c : cases) {
        Rig r;
        if (c.loaded) {
            ASSERT_TRUE(r.open("/logs/small.log"));
        }
        for (const auto& e : c.existing)
            r.disk.files[e] = "old";
        if (c.readOnly) r.disk.readOnlyFolders.insert("/pics/");
        r.dialogs.nextSaveFiles = {c.chosen};
        r.dialogs.nextAnswers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(r.viewer.mImgCapture(encode), c.ok) << c.name;
        std::size_t written = 0, questions = 0;
        for (const auto& path : capturePaths("/pics/run1.bmp"))
            written += r.disk.files.count(path) && r.disk.files[path].starts_with("BM");
        for (const auto& box : r.dialogs.standard)
            questions += box.buttons == BoxButtons::YesNo;
        EXPECT_EQ(written, c.written) << c.name;
        EXPECT_EQ(questions, c.questions) << c.name;
        EXPECT_EQ(r.dialogs.saveRequests.size(), c.loaded ? 1u : 0u) << c.name;
        if (c.readOnly) {
            EXPECT_EQ(r.host.errors, std::vector<std::string>{"FrmxPlayer.mImgCapture"});
            EXPECT_EQ(r.dialogs.standard.back().icon, BoxIcon::Critical);
        } else if (c.lastBox[0]) {
            EXPECT_EQ(r.dialogs.standard.back().text, c.lastBox) << c.name;
        }
    }
    Rig r;
    ASSERT_TRUE(r.open("/logs/small.log"));
    r.dialogs.nextSaveFiles = {"/pics/run1.bmp"};
    EXPECT_FALSE(r.viewer.mImgCapture([](LogChart c) { return c == LogChart::Pumps ? "" : "BM"; }));
    EXPECT_EQ(r.disk.files.count("/pics/run1_Fan.BMP"), 1u); // pictures already written stay
    EXPECT_EQ(r.disk.files.count("/pics/run1_Flow.BMP"), 0u);
    EXPECT_EQ(r.dialogs.standard.back().icon, BoxIcon::Critical);
    EXPECT_EQ(r.dialogs.saveRequests[0].folder, "/vrx/");
}

TEST(LogViewer, CaptureTextsDescribeTheFileAndLabelTemperaturesInCelsius) {
    Rig r;
    ASSERT_TRUE(r.open("/logs/small.log"));
    r.viewer.mTempChang();
    r.viewer.mFlowUnitChang();
    auto find = [](const std::vector<PlacedText>& texts, int x, int y) {
        for (const auto& t : texts)
            if (t.x == x && t.y == y) return t.text;
        return std::string("(none)");
    };
    const auto temp = r.viewer.captureTexts(LogChart::Temperatures);
    EXPECT_EQ(find(temp, 100, 30), "130");
    EXPECT_EQ(find(temp, 7750, 30 + 466 * 16), "-30");
    EXPECT_EQ(find(temp, 400, 8000), "Sensor Temperature (F) :");
    EXPECT_EQ(find(temp, 450, 8300), "Start : 06/14/11 14:30:05");
    EXPECT_EQ(find(temp, 450, 8480), "End : 06/14/11, 14:31:05");
    EXPECT_EQ(find(temp, 2800, 8300), "Interval : 1 min");
    EXPECT_EQ(find(temp, 450, 8680), "Log File: small.log");
    EXPECT_EQ(find(temp, 5000, 8300), "[ZRT-VX17] Tubing(I.D.) : 10/13mm");
    EXPECT_EQ(find(temp, 5000, 8480), "(none)"); // flow meter 2 not ticked
    const auto fans = r.viewer.captureTexts(LogChart::Fans);
    EXPECT_EQ(find(fans, 30, 30), "7,500");
    EXPECT_EQ(find(fans, 300, 30 + 498 * 15), "0");
    const auto flow = r.viewer.captureTexts(LogChart::Flows);
    EXPECT_EQ(find(flow, 100, 20), "6.60"); // gallons while the view shows them
    EXPECT_EQ(find(scaleLabels(LogChart::Flows, 'C', true), 180, 20 + 298 * 16), "9.0");
    EXPECT_EQ(find(scaleLabels(LogChart::Flows, 'C', true), 100, 20 + 298 * 15), "10.0");
    const auto legend = r.viewer.captureLegend(LogChart::Temperatures);
    ASSERT_EQ(legend.size(), 10u);
    EXPECT_EQ(legend[1].x, 2360 + 570);
    EXPECT_TRUE(legend[1].filled);
    EXPECT_FALSE(legend[2].filled);
    EXPECT_EQ(legend[2].color, 0xC0C0C0);
    EXPECT_EQ(r.viewer.captureLegend(LogChart::Flows)[1].x, 4820 + 1690);
    EXPECT_EQ(timeAxisTexts(60)[4].text, "00:01:00");
    EXPECT_EQ(timeAxisTexts(60)[4].x, 150 + 1800 * 4);
}

TEST(LogViewer, ExportWritesTheLoadedRecordingBesideTheLog) {
    Rig r;
    EXPECT_FALSE(r.viewer.exportCsv()); // nothing loaded: no chooser
    EXPECT_TRUE(r.dialogs.saveRequests.empty());
    ASSERT_TRUE(r.open("/logs/small.log"));
    EXPECT_FALSE(r.open("/logs/bad.log")); // the loaded recording is still the one exported
    r.dialogs.nextSaveFiles = {"", "/logs/out.csv", "/nowhere/out.csv"};
    EXPECT_FALSE(r.viewer.exportCsv());
    EXPECT_EQ(r.dialogs.saveRequests[0].folder, "/logs/");
    EXPECT_EQ(r.dialogs.saveRequests[0].name, "small.csv");
    EXPECT_TRUE(r.viewer.exportCsv());
    EXPECT_EQ(r.disk.files["/logs/out.csv"], recordingCsv(test::parsed(kSmall)));
    EXPECT_FALSE(r.viewer.exportCsv());
    EXPECT_EQ(r.host.errors.back(), "FrmxPlayer.mExportCsv");
    EXPECT_EQ(r.dialogs.standard.back().icon, BoxIcon::Critical);
}

TEST(LogViewer, TheWindowReturnsWhereItWasClosed) {
    Rig r;
    EXPECT_FALSE(r.viewer.savedPosition());
    r.viewer.closed(1500, 0);
    EXPECT_EQ(r.settings.sys.WindowPos[2], 1500);
    EXPECT_EQ(r.host.saves, 1);
    EXPECT_EQ(r.viewer.savedPosition(), (std::array<int, 2>{1500, 0}));
}

} // namespace
} // namespace vrx
