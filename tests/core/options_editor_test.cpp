#include "options/options_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "diag/messages.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_options_host.h"
#include "fakes/temp_dir.h"
#include "link/control_frame.h"

namespace vrx {
namespace {

using Calls = std::vector<std::string>;
const Calls kSaveCalls = {"autoStart:off", "refreshGraph", "save"};

Settings defaults(int boardType = 2) {
    Settings s;
    SetDefaults(s, "/vrx/");
    s.sys.BoardType = static_cast<Int16>(boardType);
    return s;
}

struct Rig {
    Settings settings = defaults();
    ControllerState state;
    LiveGraph graph;
    LinkState link;
    test::FakeDialogs dialogs;
    test::FakeOptionsHost host;
    OptionsEditor editor;

    Rig() {
        InitControlFrame(settings, state);
        graph.reset(settings);
    }
    void open() { editor.mOpenCFG(settings, link, {}); }
    std::optional<RefusedField> save() { return editor.save(settings, state, graph, host, dialogs); }
};

TEST(OptionsEditor, OpensWithThePortAndLinkStateTheProgramIsIn) {
    struct Case {
        Int16 comPort, fixed, scanAttempts;
        const char* text;
        bool fixedBox;
        const char* state;
        const char* caption;
    };
    const Case cases[] = {
        {3, 0, 0, "3", false, "ON", "Stop"},         {3, 9, 0, "9", true, "ON", "Stop"},
        {0, 0, 5, "", false, "Scanning...", "Stop"}, {0, 0, 29, "", false, "Scanning...", "Stop"},
        {0, 7, 30, "7", true, "OFF", "Scan"},        {0, 0, 60, "", false, "OFF", "Scan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + std::string("/") + c.state);
        Rig r;
        r.settings.sys.ComPort = c.comPort;
        r.settings.sys.FixedComPort = c.fixed;
        r.link.ScanAttempts = c.scanAttempts;
        r.open();
        EXPECT_EQ(r.editor.values().portText, c.text);
        EXPECT_EQ(r.editor.values().fixedPort, c.fixedBox);
        EXPECT_EQ(r.editor.portState(), c.state);
        EXPECT_EQ(r.editor.scanCaption(), c.caption);
    }
}

TEST(OptionsEditor, OpensEveryFieldFromTheSettingsAndKeepsDamagedCodesSelectable) {
    Rig r;
    Settings& s = r.settings;
    s.sys.StartHidden = kTrue;
    s.sys.DebugLog = kFalse;
    s.sys.AutoStart = 1;
    s.sys.CycleMode = 9; // damaged
    s.sys.CycleTimeIndex = 3;
    s.temp.TempUnit = 2;
    s.temp.TempOffset[4] = -7;
    s.pump.FlowMeterModel = {2, 0};
    s.pump.TubeSize = {2, 1};
    s.fan.FanGraphOn[5] = 0;
    s.sys.GraphGridColor = 0x123456;
    r.open();
    const OptionValues& v = r.editor.values();
    EXPECT_EQ(v.trayIndex, 1);
    EXPECT_FALSE(v.debugLog);
    EXPECT_TRUE(v.shareMemory);
    EXPECT_EQ(v.startIndex, 1);
    EXPECT_EQ(v.cycleMode, 1);
    EXPECT_EQ(v.cycleTimeIndex, 3);
    EXPECT_EQ(v.tempUnit, 2);
    EXPECT_EQ(v.offsetText[4], "-7");
    EXPECT_EQ(r.editor.scrollPosition(4), 7);
    EXPECT_EQ(v.flowModel, (std::array<int, 2>{2, 1}));
    EXPECT_EQ(v.tubeSize, (std::array<int, 2>{2, 1}));
    EXPECT_FALSE(v.fanGraph[5]);
    EXPECT_TRUE(v.fanGraph[4]);
    EXPECT_EQ(r.editor.color(Swatch::Graph, kGraphGrid), 0x123456);
    EXPECT_EQ(r.editor.color(Swatch::Pump, 1), DefaultPalette[6]);

    for (const auto& [board, temps, fans, devices] :
         {std::tuple{1, 5, 3, 1}, std::tuple{2, 10, 6, 2}, std::tuple{0, 5, 3, 1}}) {
        Rig b;
        b.settings.sys.BoardType = static_cast<Int16>(board);
        b.open();
        EXPECT_EQ(b.editor.tempRows(), temps) << board;
        EXPECT_EQ(b.editor.fanRows(), fans) << board;
        EXPECT_EQ(b.editor.deviceRows(), devices) << board;
    }
}

// A refused field is named in its warning, keeps the dialog's answer "refused" and stores nothing
// at all, even the fields that were fine.
TEST(OptionsEditor, ARefusedFieldIsNamedAndNothingIsStored) {
    struct Case {
        const char* what;
        std::function<void(OptionValues&)> edit;
        RefusedField refused;
        std::string title;
        std::string text; // what the warning must contain
        bool withRange;
    };
    const std::string offset3 = "Temperature offset of CPU";
    const Case cases[] = {
        {"offset too big",
         [](OptionValues& v) { v.offsetText[3] = "150"; },
         {OptionField::Offset, 3},
         kGeneralTitle,
         offset3,
         true},
        {"offset too small",
         [](OptionValues& v) { v.offsetText[3] = "-101"; },
         {OptionField::Offset, 3},
         kGeneralTitle,
         offset3,
         true},
        {"offset words",
         [](OptionValues& v) { v.offsetText[3] = "abc"; },
         {OptionField::Offset, 3},
         kGeneralTitle,
         offset3,
         false},
        {"offset fraction",
         [](OptionValues& v) { v.offsetText[3] = "12.5"; },
         {OptionField::Offset, 3},
         kGeneralTitle,
         offset3,
         false},
        {"offset empty",
         [](OptionValues& v) { v.offsetText[9] = " "; },
         {OptionField::Offset, 9},
         kGeneralTitle,
         "Temperature offset of Ch 10",
         false},
        {"first of two offsets",
         [](OptionValues& v) {
             v.offsetText[8] = "x";
             v.offsetText[2] = "500";
         },
         {OptionField::Offset, 2},
         kGeneralTitle,
         "Temperature offset of Ch 3",
         true},
        {"port name",
         [](OptionValues& v) { v.portText = "COM3"; },
         {OptionField::Port, 0},
         " Setting",
         "Port",
         false},
        {"port zero",
         [](OptionValues& v) { v.portText = "0"; },
         {OptionField::Port, 0},
         " Setting",
         "Port",
         false},
        {"port 256",
         [](OptionValues& v) { v.portText = "256"; },
         {OptionField::Port, 0},
         " Setting",
         "Port",
         false},
        {"port overflow",
         [](OptionValues& v) { v.portText = "70000"; },
         {OptionField::Port, 0},
         " Setting",
         "Port",
         false},
        {"port fraction",
         [](OptionValues& v) { v.portText = "3.0"; },
         {OptionField::Port, 0},
         " Setting",
         "Port",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.settings.temp.TempName[3] = "CPU";
        r.open();
        OptionValues& v = r.editor.values();
        // Changes of every kind that must not land.
        v.fixedPort = true;
        v.portText = "5";
        v.tempUnit = 2;
        v.flowUnit = 2;
        v.debugLog = false;
        v.cycleMode = 3;
        v.offsetText[0] = "4";
        v.startIndex = 1;
        c.edit(v);
        const Settings before = r.settings;
        const ControllerState stateBefore = r.state;

        EXPECT_EQ(r.save(), c.refused);
        EXPECT_EQ(r.settings, before);
        EXPECT_EQ(r.state.ControlBytes, stateBefore.ControlBytes);
        EXPECT_EQ(r.graph.cycleCurrent(), 1);
        EXPECT_TRUE(r.host.calls.empty());
        ASSERT_EQ(r.dialogs.standard.size(), 1u);
        const auto& box = r.dialogs.standard[0];
        EXPECT_EQ(box.title, c.title);
        EXPECT_EQ(box.icon, BoxIcon::Warning);
        EXPECT_NE(box.text.find(c.text), std::string::npos) << box.text;
        const int lead = c.refused.field == OptionField::Port ? 200 : 121;
        EXPECT_EQ(box.text.rfind(MessageText(lead), 0), 0u) << box.text;
        EXPECT_EQ(box.text.find(MessageText(122)) != std::string::npos, c.withRange) << box.text;
    }
}

TEST(OptionsEditor, AcceptsTheEdgesOfEveryRange) {
    struct Case {
        const char* what;
        std::function<void(OptionValues&)> edit;
        Int16 fixed;
        Int16 offset0;
    };
    const Case cases[] = {
        {"offsets at both ends",
         [](OptionValues& v) {
             v.offsetText[0] = "100";
             v.offsetText[1] = "-100";
         },
         4, 100},
        {"blanks around", [](OptionValues& v) { v.offsetText[0] = " -7 "; }, 4, -7},
        {"port 1",
         [](OptionValues& v) {
             v.fixedPort = true;
             v.portText = "1";
         },
         1, 0},
        {"port 255",
         [](OptionValues& v) {
             v.fixedPort = true;
             v.portText = " 255 ";
         },
         255, 0},
        {"fixed but empty: scan",
         [](OptionValues& v) {
             v.fixedPort = true;
             v.portText = "";
         },
         0, 0},
        {"not fixed: text unused",
         [](OptionValues& v) {
             v.fixedPort = false;
             v.portText = "COM3";
         },
         0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.settings.sys.FixedComPort = 4;
        r.settings.sys.ComPort = 4;
        r.open();
        c.edit(r.editor.values());
        EXPECT_EQ(r.save(), std::nullopt);
        EXPECT_TRUE(r.dialogs.standard.empty());
        EXPECT_EQ(r.settings.sys.FixedComPort, c.fixed);
        EXPECT_EQ(r.settings.temp.TempOffset[0], c.offset0);
    }
}

TEST(OptionsEditor, SaveAppliesEachKindOfChange) {
    struct Case {
        const char* what;
        std::function<void(Rig&)> edit;
        std::function<void(const Rig&)> expect;
        Calls calls;
    };
    const Case cases[] = {
        {"switches and start",
         [](Rig& r) {
             auto& v = r.editor.values();
             v.debugLog = false;
             v.shareMemory = false;
             v.trayIndex = 1;
             v.startIndex = 1;
         },
         [](const Rig& r) {
             EXPECT_EQ(r.settings.sys.DebugLog, kFalse);
             EXPECT_EQ(r.settings.sys.ShareMemory, kFalse);
             EXPECT_EQ(r.settings.sys.StartHidden, kTrue);
             EXPECT_EQ(r.settings.sys.AutoStart, 1);
         },
         {"autoStart:on", "refreshGraph", "save"}},
        {"temperature unit and offsets",
         [](Rig& r) {
             r.editor.values().tempUnit = 2;
             r.editor.VScroll1_Change(6, -12);
         },
         [](const Rig& r) {
             EXPECT_EQ(r.settings.temp.TempUnit, 2);
             EXPECT_EQ(r.state.ControlBytes[ct::TempUnit], 2);
             EXPECT_EQ(r.settings.temp.TempOffset[6], 12);
         },
         kSaveCalls},
        {"flow unit converts the flow limits once", [](Rig& r) { r.editor.values().flowUnit = 2; },
         [](const Rig& r) {
             EXPECT_EQ(r.settings.pump.FlowUnit, 2);
             EXPECT_EQ(r.settings.pump.FlowAlarmLimit, (std::array<std::string, 2>{"0.53", "0.53"}));
             EXPECT_EQ(r.settings.pump.FlowShutdownLimit[1], "0.13");
         },
         kSaveCalls},
        {"a flow limit that is no number is kept and logged",
         [](Rig& r) {
             r.settings.pump.FlowAlarmLimit[1] = "lots";
             r.editor.values().flowUnit = 2;
         },
         [](const Rig& r) {
             EXPECT_EQ(r.settings.pump.FlowAlarmLimit[1], "lots");
             EXPECT_EQ(r.settings.pump.FlowAlarmLimit[0], "0.53");
         },
         {"log:FrmOption.mOptionSave", "autoStart:off", "refreshGraph", "save"}},
        {"a damaged flow unit is taken as LPM and nothing converted",
         [](Rig& r) {
             r.settings.pump.FlowUnit = 0;
             r.open();
         },
         [](const Rig& r) {
             EXPECT_EQ(r.settings.pump.FlowUnit, 1);
             EXPECT_EQ(r.settings.pump.FlowAlarmLimit[0], "2.0");
         },
         kSaveCalls},
        {"meters and tubing reach the control frame",
         [](Rig& r) {
             auto& v = r.editor.values();
             v.flowModel = {2, 1};
             v.tubeSize = {1, 2};
         },
         [](const Rig& r) {
             EXPECT_EQ(r.settings.pump.FlowMeterModel, (std::array<Int16, 2>{2, 1}));
             EXPECT_EQ(r.settings.pump.TubeSize, (std::array<Int16, 2>{1, 2}));
             const auto& b = r.state.ControlBytes;
             EXPECT_EQ((std::array{b[ct::FlowModel1], b[ct::Tube1], b[ct::FlowModel2], b[ct::Tube2]}),
                       (std::array<std::int16_t, 4>{2, 1, 1, 2}));
         },
         kSaveCalls},
        {"series, colours and auto-cycle",
         [](Rig& r) {
             auto& v = r.editor.values();
             v.tempGraph[9] = false;
             v.flowGraph[0] = false;
             v.cycleMode = 0;
             v.cycleTimeIndex = 2;
             r.dialogs.nextColors = {0x00FF00, std::nullopt, 0x0000AA};
             EXPECT_TRUE(r.editor.pickColor(Swatch::Fan, 2, r.dialogs));
             EXPECT_FALSE(r.editor.pickColor(Swatch::Temp, 0, r.dialogs)); // cancelled
             EXPECT_TRUE(r.editor.pickColor(Swatch::Graph, kGraphBack, r.dialogs));
             r.graph.chooseGroup(GroupPump, r.settings);
         },
         [](const Rig& r) {
             EXPECT_EQ(r.settings.temp.TempGraphOn[9], 0);
             EXPECT_EQ(r.settings.temp.TempGraphOn[8], 1);
             EXPECT_EQ(r.settings.pump.FlowGraphOn[0], 0);
             EXPECT_EQ(r.settings.fan.FanColor[2], 0x00FF00);
             EXPECT_EQ(r.settings.temp.TempColor[0], DefaultPalette[0]);
             EXPECT_EQ(r.settings.sys.GraphBackColor, 0x0000AA);
             EXPECT_EQ(r.settings.sys.GraphTextColor, 0xC0C0C0);
             EXPECT_EQ(r.settings.sys.CycleMode, 0);
             EXPECT_EQ(r.settings.sys.CycleTimeIndex, 2);
             EXPECT_EQ(r.graph.cycleCurrent(), GroupTemperature);
         },
         kSaveCalls},
        {"a group shown at once", [](Rig& r) { r.editor.values().cycleMode = GroupFlow; },
         [](const Rig& r) { EXPECT_EQ(r.graph.cycleCurrent(), GroupFlow); }, kSaveCalls},
        {"a new fixed port moves the link",
         [](Rig& r) {
             r.editor.values().fixedPort = true;
             r.editor.values().portText = "7";
         },
         [](const Rig& r) { EXPECT_EQ(r.settings.sys.FixedComPort, 7); },
         {"stopLink", "startScan", "autoStart:off", "refreshGraph", "save"}},
        {"fixing the port the link is on keeps it",
         [](Rig& r) {
             r.editor.values().fixedPort = true;
             r.editor.values().portText = "3";
         },
         [](const Rig& r) { EXPECT_EQ(r.settings.sys.FixedComPort, 3); }, kSaveCalls},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.settings.sys.ComPort = 3;
        r.open();
        c.edit(r);
        EXPECT_EQ(r.save(), std::nullopt);
        c.expect(r);
        EXPECT_EQ(r.host.calls, c.calls);
    }
}

TEST(OptionsEditor, SavingTwiceWithoutAChangeConvertsNothingAgain) {
    Rig r;
    r.open();
    r.editor.values().flowUnit = 2;
    ASSERT_EQ(r.save(), std::nullopt);
    r.open();
    ASSERT_EQ(r.save(), std::nullopt);
    EXPECT_EQ(r.settings.pump.FlowAlarmLimit[0], "0.53");
}

TEST(OptionsEditor, OffsetBoxesFollowTheScrollBarAndWarnOnLeaving) {
    Rig r;
    r.open();
    r.editor.VScroll1_Change(2, -100); // top of the bar: highest offset
    EXPECT_EQ(r.editor.values().offsetText[2], "100");
    EXPECT_EQ(r.editor.scrollPosition(2), -100);
    r.editor.TxtOffset_DblClick(2);
    EXPECT_EQ(r.editor.values().offsetText[2], "0");

    struct Case {
        const char* text;
        bool accepted;
        std::optional<int> position;
    };
    const Case cases[] = {{"0", true, 0},
                          {"-5", true, 5},
                          {"150", false, std::nullopt},
                          {"abc", false, std::nullopt},
                          {"2.5", false, std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        test::FakeDialogs dialogs;
        r.editor.values().offsetText[1] = c.text;
        EXPECT_EQ(r.editor.TxtOffset_LostFocus(1, dialogs), c.accepted);
        EXPECT_EQ(dialogs.standard.size(), c.accepted ? 0u : 1u);
        EXPECT_EQ(r.editor.scrollPosition(1), c.position);
    }
}

TEST(OptionsEditor, ScanButtonStartsOrStopsTheLink) {
    struct Case {
        const char* what;
        Int16 scanAttempts;
        bool fixed;
        const char* text;
        bool accepted;
        Int16 fixedAfter;
        Calls calls;
    };
    const Case cases[] = {
        {"scan a fixed port", 60, true, "12", true, 12, {"startScan"}},
        {"scan every port", 60, true, "", true, 0, {"startScan"}},
        {"scan, text unused", 60, false, "12", true, 4, {"startScan"}},
        {"a bad port is refused", 60, true, "COM12", false, 4, {}},
        {"stop while scanning", 3, true, "COM12", true, 4, {"stopLink"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.settings.sys.FixedComPort = 4;
        r.link.ScanAttempts = c.scanAttempts;
        r.open();
        r.editor.values().fixedPort = c.fixed;
        r.editor.values().portText = c.text;
        EXPECT_EQ(r.editor.isButtonScan_Click(r.settings, r.host, r.dialogs), c.accepted);
        EXPECT_EQ(r.settings.sys.FixedComPort, c.fixedAfter);
        EXPECT_EQ(r.host.calls, c.calls);
        EXPECT_EQ(r.dialogs.standard.size(), c.accepted ? 0u : 1u);
    }
}

TEST(OptionsEditor, LinkStateChangesShowWhileOpen) {
    Rig r;
    r.link.ScanAttempts = 60;
    r.open();
    r.editor.showLinkState({"SCAN", "COM Port Scanning...", "Scanning...", "Stop", -1});
    EXPECT_EQ(r.editor.portState(), "Scanning...");
    EXPECT_EQ(r.editor.values().portText, "");
    r.editor.showLinkState({"ON", "COM 6", "ON", "Stop", 6});
    EXPECT_EQ(r.editor.portState(), "ON");
    EXPECT_EQ(r.editor.scanCaption(), "Stop");
    EXPECT_EQ(r.editor.values().portText, "6");
}

TEST(OptionsEditor, PortListNamesTheDevices) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "ports");
    std::filesystem::create_symlink("/dev/pts/4", dir.path() / "ports" / "COM5");
    PortMap map(dir.path());
    EXPECT_EQ(portEntries(map, {1, 5, 34, 200}),
              (std::vector<PortEntry>{
                  {1, "1  (/dev/ttyS0)"}, {5, "5  (/dev/pts/4)"}, {34, "34  (/dev/ttyUSB1)"}, {200, "200"}}));
    Rig r;
    r.editor.mOpenCFG(r.settings, r.link, portEntries(map, {5}));
    ASSERT_EQ(r.editor.ports().size(), 1u);
    EXPECT_EQ(r.editor.ports()[0].number, 5);
}

} // namespace
} // namespace vrx
