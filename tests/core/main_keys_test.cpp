#include "app/main_keys.h"

#include <gtest/gtest.h>

#include "fakes/fake_outputs_host.h"

namespace vrx {
namespace {

class FakeSurface : public CommandSurface {
public:
    std::vector<std::string> calls;
    void popupOutputMenu(OutputKind kind) override { calls.push_back(kind == OutputKind::Fan ? "fan menu" : "pump menu"); }
    void focusCommandButton(int index) override { calls.push_back("button " + std::to_string(index)); }
    void focusNameBox(int index) override { calls.push_back("box " + std::to_string(index)); }
    bool hasCommandButton(int index) const override { return index == 3 || index == 4; }
    void focusNextControl() override { calls.push_back("tab"); }
};

struct Rig {
    Settings s;
    ControllerState state;
    test::FakeOutputsHost host;
    OutputBytes bytes{state, {}};
    OutputLevels levels{s, bytes, host};
    FakeSurface surface;
    MainKeys keys{s, levels, surface};
    Rig() {
        SetDefaults(s, "/vrx/");
        s.sys.BoardType = 2;
    }
};

TEST(MainKeys, FunctionKeysDriveTheGroupsAndCtrlLettersOpenTheMenus) {
    Rig r;
    const struct {
        KeyPress press;
        bool handled;
        const char* balloon; // "" when none
    } cases[] = {
        {{Key::F1}, true, "i:All Fans Level 1 (10%)"},
        {{Key::F2}, true, "i:All Fans Level 10 (100%)"},
        {{Key::F3}, true, "i:All Pumps Level 1 (7.65)"},
        {{Key::F4}, true, "i:All Pumps Level 10 (12.73)"},
        {{Key::F7}, true, "i:Fan Auto Mode"},
        {{Key::F8}, true, "i:Pump Auto Mode"},
        {{Key::F1, 0, KeyModifiers::Shift}, false, ""},
        {{Key::F1, 0, KeyModifiers::Other}, false, ""},
        {{Key::Letter, 'F', KeyModifiers::None}, false, ""},
        {{Key::Letter, 'Q', KeyModifiers::Other}, false, ""},
    };
    for (const auto& c : cases) {
        r.host.balloons.clear();
        EXPECT_EQ(r.keys.Form_KeyDown(c.press), c.handled) << c.balloon;
        EXPECT_EQ(r.host.balloons, c.balloon[0] ? std::vector<std::string>{c.balloon} : std::vector<std::string>{});
    }
    // Safety commands answer once their area is wired.
    EXPECT_FALSE(r.keys.Form_KeyDown({Key::F5}));
    EXPECT_FALSE(r.keys.Form_KeyDown({Key::Letter, 'A', KeyModifiers::Other}));
    std::vector<std::string> safety;
    r.keys.setAlarmMode = [&](bool silent) { safety.push_back(silent ? "silent" : "alarm"); };
    r.keys.openAlarmSettings = [&] { safety.push_back("alarm settings"); };
    r.keys.openShutdownSettings = [&] { safety.push_back("shutdown settings"); };
    r.keys.openRecordingSettings = [&] { safety.push_back("recording settings"); };
    r.keys.openOptions = [&] { safety.push_back("options"); };
    r.keys.openLogViewer = [&] { safety.push_back("log viewer"); };
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::F5}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::F6}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::Letter, 'A', KeyModifiers::Other}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::Letter, 'D', KeyModifiers::Other}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::Letter, 'L', KeyModifiers::Other}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::Letter, 'S', KeyModifiers::Other}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::Letter, 'V', KeyModifiers::Other}));
    EXPECT_FALSE(r.keys.Form_KeyDown({Key::Letter, 'V', KeyModifiers::None}));
    r.keys.xCtl_Button2_Click(1);
    r.keys.xCtl_Button2_Click(2);
    r.keys.xCtl_Button2_Click(5);
    r.keys.xCtl_Button2_Click(0);
    r.keys.xCtl_Button2_Click(6);
    EXPECT_EQ(safety, (std::vector<std::string>{"silent", "alarm", "alarm settings", "shutdown settings",
                                                "recording settings", "options", "log viewer", "alarm settings",
                                                "shutdown settings", "recording settings", "options", "log viewer"}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::Letter, 'F', KeyModifiers::Other}));
    EXPECT_TRUE(r.keys.Form_KeyDown({Key::Letter, 'P', KeyModifiers::Other}));
    EXPECT_EQ(r.surface.calls, (std::vector<std::string>{"fan menu", "pump menu"}));
}

TEST(MainKeys, CommandButtonsOpenMenusAndArrowsWalkThem) {
    Rig r;
    r.keys.xCtl_Button2_Click(3);
    r.keys.xCtl_Button2_Click(4);
    EXPECT_TRUE(r.keys.xCtl_Button2_KeyDown(3, Key::Down));
    EXPECT_TRUE(r.keys.xCtl_Button2_KeyDown(3, Key::Right));
    EXPECT_TRUE(r.keys.xCtl_Button2_KeyDown(4, Key::Left));
    EXPECT_TRUE(r.keys.xCtl_Button2_KeyDown(4, Key::Right)); // past the last button: first name box
    EXPECT_TRUE(r.keys.xCtl_Button2_KeyDown(3, Key::Left));  // before the first: last fan name box
    r.s.sys.BoardType = 1;
    EXPECT_TRUE(r.keys.xCtl_Button2_KeyDown(3, Key::Left));
    EXPECT_FALSE(r.keys.xCtl_Button2_KeyDown(3, Key::Up));
    EXPECT_EQ(r.surface.calls, (std::vector<std::string>{"fan menu", "pump menu", "fan menu", "button 4", "button 3",
                                                         "box 0", "box 19", "box 16"}));
}

TEST(MainKeys, ShiftAndCtrlLettersReachTheirCommandsOnceWired) {
    Rig r;
    std::vector<std::string> commands;
    const KeyPress keys[] = {
        {Key::Letter, 'T', KeyModifiers::Shift}, {Key::Letter, 'F', KeyModifiers::Shift},
        {Key::Letter, 'P', KeyModifiers::Shift}, {Key::Letter, 'M', KeyModifiers::Shift},
        {Key::Letter, 'S', KeyModifiers::Shift}, {Key::Letter, 'V', KeyModifiers::Shift},
        {Key::Letter, 'H', KeyModifiers::Other}, {Key::Letter, 'X', KeyModifiers::Other},
    };
    for (const KeyPress& k : keys) EXPECT_FALSE(r.keys.Form_KeyDown(k)) << k.letter; // nothing wired yet
    r.keys.chooseGraphGroup = [&](int g) { commands.push_back("group " + std::to_string(g)); };
    r.keys.restartScan = [&] { commands.push_back("rescan"); };
    r.keys.switchFanBarStyle = [&] { commands.push_back("fan bars"); };
    r.keys.hideWindow = [&] { commands.push_back("hide"); };
    r.keys.confirmExit = [&] { commands.push_back("exit?"); };
    for (const KeyPress& k : keys) EXPECT_TRUE(r.keys.Form_KeyDown(k)) << k.letter;
    EXPECT_EQ(commands, (std::vector<std::string>{"group 1", "group 2", "group 3", "group 4", "rescan", "fan bars",
                                                  "hide", "exit?"}));
    // The same letters under the other modifier group, and letters of neither table, do nothing.
    commands.clear();
    const KeyPress others[] = {
        {Key::Letter, 'T', KeyModifiers::Other}, {Key::Letter, 'M', KeyModifiers::Other},
        {Key::Letter, 'V', KeyModifiers::None},  {Key::Letter, 'H', KeyModifiers::Shift},
        {Key::Letter, 'X', KeyModifiers::Shift}, {Key::Letter, 'A', KeyModifiers::Shift},
        {Key::F1, 0, KeyModifiers::Shift},
    };
    for (const KeyPress& k : others) EXPECT_FALSE(r.keys.Form_KeyDown(k)) << k.letter;
    EXPECT_TRUE(commands.empty());
    EXPECT_TRUE(r.surface.calls.empty()) << r.surface.calls.front();
}

TEST(MainKeys, NameBoxKeysWalkTheBoxesThenTheButtons) {
    const struct {
        int boardType, box;
        Key key;
        const char* focus; // "" when the key is not the box's
    } cases[] = {
        {1, 4, Key::Enter, "box 10"},
        {1, 11, Key::Enter, "box 14"},
        {1, 16, Key::Enter, "button 3"}, // the first command button there is
        {1, 10, Key::Up, "box 4"},
        {1, 0, Key::Up, "button 4"}, // the last command button there is
        {2, 4, Key::Enter, "box 5"},
        {2, 19, Key::Enter, "button 3"},
        {2, 14, Key::Up, "box 13"},
        {2, 7, Key::Down, "tab"},
        {1, 7, Key::Left, ""},
        {2, 7, Key::Other, ""},
    };
    for (const auto& c : cases) {
        Rig r;
        r.s.sys.BoardType = static_cast<Int16>(c.boardType);
        EXPECT_EQ(r.keys.txtTname_KeyDown(c.box, c.key), c.focus[0] != 0) << c.boardType << "/" << c.box;
        EXPECT_EQ(r.surface.calls, c.focus[0] ? std::vector<std::string>{c.focus} : std::vector<std::string>{})
            << c.boardType << "/" << c.box;
    }
}

} // namespace
} // namespace vrx
