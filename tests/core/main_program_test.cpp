#include "app/main_program.h"
#include "app/name_boxes.h"
#include "fakes/fake_outputs_host.h"
#include "link/control_frame.h"
#include "diag/messages.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_main_view.h"
#include "fakes/fake_tray.h"
#include "fakes/temp_dir.h"
#include "settings/system_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace vrx {
namespace {

class MainProgramTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeMainView view;
    test::FakeTray tray;
    test::FakeAutoStarter autoStarter;
    AppPaths paths = makeAppPaths(dir.dir());

    std::unique_ptr<MainProgram> start() {
        auto p = std::make_unique<MainProgram>(paths, ProgramServices{view, tray, dialogs, clock, autoStarter});
        p->Main();
        return p;
    }
    void writeSettings(const std::function<void(Settings&)>& change) {
        Settings s;
        SetDefaults(s, paths.AppDir);
        change(s);
        ASSERT_TRUE(SaveSystemFile(paths.SysFilePath, s).ok());
    }
    Settings storedSettings() {
        Settings s;
        EXPECT_TRUE(gLoadBIN(paths.SysFilePath, s).ok());
        return s;
    }
    Settings defaults() {
        Settings s;
        SetDefaults(s, paths.AppDir);
        return s;
    }
};

TEST_F(MainProgramTest, FirstRunCreatesDefaultsBeforeTheWindowShows) {
    auto p = start();
    EXPECT_EQ(storedSettings(), defaults());
    EXPECT_TRUE(view.visible);
    EXPECT_TRUE(tray.present);
    EXPECT_EQ(p->settings().sys.ComPort, 0);
    EXPECT_EQ(p->state().ControlBytes[0], 207);
    EXPECT_EQ(test::readFile(paths.errorLogPath()), "RURu2 Debugs\r\n");
    ASSERT_TRUE(view.layout.has_value());
    EXPECT_EQ(view.layout->pictureNumber, 1);
    // Centred, since no position was stored.
    EXPECT_EQ(view.left, (19200 - 8775) / 2);
    EXPECT_EQ((std::vector<std::string>{view.nameBoxes[0], view.nameBoxes[4], view.nameBoxes[10], view.nameBoxes[11],
                                        view.nameBoxes[14], view.nameBoxes[16]}),
              (std::vector<std::string>{"Ch 1", "Ch 5", "Flow1", "Pump1", "Fan1", "Fan3"}));
    EXPECT_EQ(view.nameBoxes.count(5), 0u); // the small board has five channels
    EXPECT_EQ(view.nameBoxes.count(17), 0u);
}

TEST_F(MainProgramTest, StoredSettingsShapeTheWindow) {
    writeSettings([](Settings& s) {
        s.sys.BoardType = 2;
        s.sys.WindowPos[0] = 1500;
        s.sys.WindowPos[1] = 0;
        s.sys.StartHidden = kTrue;
        s.sys.AlwaysOnTop = kTrue;
        s.sys.FanBarStyle = kTrue;
        s.sys.AutoStart = 1;
        s.sys.ComPort = 7;
        s.temp.TempName[9] = "Ten";
        s.fan.FanName[5] = "Rear";
    });
    auto p = start();
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.shows, 0);
    EXPECT_TRUE(tray.present);
    EXPECT_EQ(view.left, 1500);
    EXPECT_EQ(view.top, 0);
    EXPECT_TRUE(view.onTop);
    EXPECT_EQ(view.fanBarStyle, 2);
    EXPECT_EQ(autoStarter.installs, 1);
    EXPECT_EQ(p->PreviousComPort, 7);
    EXPECT_EQ(view.layout->windowHeight, 5570);
    EXPECT_EQ(view.nameBoxes[9], "Ten");
    EXPECT_EQ(view.nameBoxes[19], "Rear");
    EXPECT_EQ(view.nameBoxes[13], "Pump2");
}

TEST_F(MainProgramTest, StartHiddenNeedsANotificationArea) {
    for (const bool area : {true, false}) {
        writeSettings([](Settings& s) { s.sys.StartHidden = kTrue; });
        tray.hasArea = area;
        view = test::FakeMainView{};
        auto p = start();
        EXPECT_EQ(view.visible, !area) << "notification area " << area;
    }
}

TEST_F(MainProgramTest, AnotherVersionsFileIsReplacedByDefaults) {
    writeSettings([](Settings& s) {
        s.sys.FileVersion = "2.1.29";
        s.temp.TempName[0] = "Old name";
        s.sys.BoardType = 2;
    });
    auto p = start();
    EXPECT_EQ(p->settings(), defaults());
    EXPECT_EQ(storedSettings(), defaults());
}

TEST_F(MainProgramTest, DamagedFileIsLoggedAndResetByTheVersionRule) {
    {
        std::ofstream out(paths.SysFilePath, std::ios::binary);
        out << "\x05\x00Ch"; // cut inside the first name
    }
    auto p = start();
    EXPECT_NE(test::readFile(paths.errorLogPath()).find(", ModSub.gLoadBIN, 62:"), std::string::npos);
    EXPECT_EQ(storedSettings(), defaults());
    EXPECT_TRUE(dialogs.standard.empty()); // a load failure shows nothing
    EXPECT_TRUE(view.visible);
}

// Left by another tool or a mistake: start-up must neither wait on it nor replace it.
TEST_F(MainProgramTest, FifoAsSystemFileIsLoggedAndRunsOnDefaults) {
    ASSERT_EQ(::mkfifo(paths.SysFilePath.c_str(), 0644), 0);
    auto p = start();
    EXPECT_NE(test::readFile(paths.errorLogPath()).find(", ModSub.gLoadBIN, 22:Not a regular file\r\n"),
              std::string::npos);
    EXPECT_EQ(p->settings(), defaults());
    ASSERT_EQ(dialogs.standard.size(), 1u); // the failed save of the defaults
    EXPECT_EQ(dialogs.standard[0].title, "Error");
    EXPECT_EQ(dialogs.standard[0].text, "Not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(paths.SysFilePath));
    EXPECT_TRUE(view.visible);
}

TEST_F(MainProgramTest, ControllerTypeWithoutLayoutResetsSettingsAndEnds) {
    for (Int16 bad : {Int16{0}, Int16{3}}) {
        writeSettings([bad](Settings& s) {
            s.sys.BoardType = bad;
            s.temp.TempName[0] = "Mine";
        });
        dialogs.standard.clear();
        auto p = start();
        EXPECT_TRUE(p->ended());
        EXPECT_TRUE(view.quit);
        EXPECT_FALSE(view.visible);
        ASSERT_EQ(dialogs.standard.size(), 1u);
        EXPECT_EQ(dialogs.standard[0].title, "ZADa2.1");
        EXPECT_EQ(dialogs.standard[0].text, MessageText(119));
        EXPECT_EQ(storedSettings(), defaults());
        EXPECT_NE(test::readFile(paths.errorLogPath()).find("FrmMain.mPcbForm"), std::string::npos);
    }
}

TEST_F(MainProgramTest, ConfirmExitAsksAndOnYesSavesThePosition) {
    auto p = start();
    view.left = 3000;
    view.top = 2250;
    dialogs.nextAnswers = {BoxAnswer::No};
    EXPECT_FALSE(p->ConfirmExit());
    EXPECT_FALSE(p->ended());
    ASSERT_EQ(dialogs.standard.size(), 1u);
    EXPECT_EQ(dialogs.standard[0].text, MessageText(7) + "\n\n" + MessageText(8) + "     ");
    EXPECT_EQ(dialogs.standard[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(storedSettings().sys.WindowPos[0], 0);

    view.setTimerEnabled(MainTimer::Com, true);
    p->state().ControlBytes[36] = 1;
    p->settings().sys.Recording = 1;
    dialogs.nextAnswers = {BoxAnswer::Yes};
    EXPECT_TRUE(p->ConfirmExit());
    const Settings stored = storedSettings();
    EXPECT_EQ(stored.sys.WindowPos[0], 3000);
    EXPECT_EQ(stored.sys.WindowPos[1], 2250);
    EXPECT_EQ(stored.sys.Recording, 0);
    EXPECT_EQ(p->state().ControlBytes[36], 2);
    EXPECT_FALSE(tray.present);
    EXPECT_FALSE(view.timerEnabled(MainTimer::Com));
    EXPECT_TRUE(view.quit);
}

TEST_F(MainProgramTest, FailedSaveShowsTheReasonAndKeepsMemory) {
    auto p = start();
    // A folder where the file should be: no save can replace it, whatever our rights.
    std::filesystem::remove(paths.SysFilePath);
    std::filesystem::create_directory(paths.SysFilePath);
    p->settings().temp.TempName[0] = "Changed";
    EXPECT_FALSE(p->saveSystemFile());
    ASSERT_EQ(dialogs.standard.size(), 1u);
    EXPECT_EQ(dialogs.standard[0].title, "Error");
    EXPECT_EQ(dialogs.standard[0].icon, BoxIcon::Critical);
    EXPECT_EQ(p->settings().temp.TempName[0], "Changed");

    // Ending with the session: no box that nobody could answer, the failure is logged.
    p->ExitProgram(true);
    EXPECT_TRUE(p->ended());
    EXPECT_EQ(dialogs.standard.size(), 1u);
    EXPECT_NE(test::readFile(paths.errorLogPath()).find("FrmMain.ExitProgram"), std::string::npos);
}

} // namespace
} // namespace vrx

namespace vrx {
namespace {

TEST_F(MainProgramTest, OutputsInAutoStartAtTheirCurvesTopNotOff) {
    writeSettings([](Settings& s) {
        s.fan.FanGroup = 1;
        s.fan.FanLevel.fill(0);
        s.pump.PumpGroup = 0;
        s.pump.PumpLevel = {12, 0, 5};
    });
    MainProgram p(paths, ProgramServices{view, tray, dialogs, clock, autoStarter});
    OutputBytes bytes(p.state(), {});
    AutoMode autoMode(p.settings(), p.state(), bytes);
    p.attachAutoMode(&autoMode);
    p.Main();
    for (std::size_t f = 0; f < 6; ++f) EXPECT_EQ(p.state().ControlBytes[ct::FanPower + f], 90);
    EXPECT_EQ(p.state().ControlBytes[ct::PumpPower], 28);    // 90 % of the default curve
    EXPECT_EQ(p.state().ControlBytes[ct::PumpPower + 1], 10); // Level 3: step 11
}

TEST_F(MainProgramTest, GraphAndGridFollowTheLinkedReadings) {
    auto p = start();
    EXPECT_EQ(view.graphAxis[0], "Temperature (C)");
    EXPECT_EQ(view.graphBack, 0);
    ASSERT_TRUE(view.legend.has_value());
    EXPECT_TRUE((*view.legend)[4].visible);
    EXPECT_FALSE((*view.legend)[5].visible); // the small board has five channels

    p->state().StatusBytes[2] = 97;
    p->TimerView_Timer();
    ASSERT_TRUE(view.status.has_value());
    EXPECT_EQ(view.status->temps[0].text, "35 C");
    p->TimerGraph_Timer();
    p->TimerGraph_Timer();
    EXPECT_FALSE(view.graphLines.empty());
    EXPECT_FALSE(view.graphGrid.empty());

    p->chooseGraphGroup(3);
    EXPECT_EQ(view.graphAxis[0], "Pump (RPM)");
    EXPECT_EQ(storedSettings().sys.CycleMode, 3);
    EXPECT_EQ(storedSettings().sys.CycleItem, 3);
    p->chooseGraphTime(0);
    EXPECT_EQ(storedSettings().sys.CycleMode, 0);
    EXPECT_EQ(storedSettings().sys.CycleItem, 5);

    // Auto mode runs after the display, and not while the pump test drives the outputs.
    OutputBytes bytes(p->state(), {});
    AutoMode autoMode(p->settings(), p->state(), bytes);
    p->attachAutoMode(&autoMode);
    p->settings().fan.FanGroup = 1;
    p->settings().fan.FanLevel.fill(0);
    p->state().StatusBytes[2] = 62 + 100;
    p->PumpTestRunning = true;
    p->TimerView_Timer();
    EXPECT_EQ(p->state().ControlBytes[ct::FanPower], 100) << "the start-up level stays";
    p->PumpTestRunning = false;
    p->TimerView_Timer();
    EXPECT_EQ(p->state().ControlBytes[ct::FanPower], 90);

    p->mDisplayOff();
    EXPECT_EQ(view.clears, 1);
    EXPECT_EQ(p->state().StatusBytes[2], -31);
    EXPECT_EQ(p->state().StatusBytes[12], -1);
    EXPECT_EQ(p->state().StatusBytes[22], -1);
}

} // namespace
} // namespace vrx

namespace vrx {
namespace {

TEST_F(MainProgramTest, LeavingANameBoxStoresTheNameByItsRulesAndSaves) {
    writeSettings([](Settings& s) { s.sys.BoardType = 2; });
    auto p = start();
    const struct {
        int box;
        std::string typed, stored;
    } cases[] = {
        {2, "  CPU in  ", "CPU in"},
        {12, " Loop B ", " Loop B "},
        {13, "Pump number 2", "Pump number"},
        {18, "Rear exhaust", "Rear ex"},
        {0, "", ""},
    };
    for (const auto& c : cases) {
        view.nameBoxes[c.box] = c.typed;
        p->txtTname_LostFocus(c.box, c.typed);
        const Settings saved = storedSettings();
        EXPECT_EQ(nameField(saved, c.box), c.stored) << c.box;
        EXPECT_EQ(nameField(p->settings(), c.box), c.stored) << c.box;
        EXPECT_EQ(view.nameBoxes[c.box], c.stored) << c.box; // the box shows what was kept
    }
    // A name read back from the file shows in the box it was typed in.
    p->fillNameBoxes(2);
    EXPECT_EQ(view.nameBoxes[13], "Pump number");
    EXPECT_TRUE(dialogs.standard.empty());

    // The boxes losing the focus as the window closes at exit change nothing.
    p->ExitProgram();
    std::filesystem::remove(paths.SysFilePath);
    p->txtTname_LostFocus(2, "Late");
    EXPECT_EQ(p->settings().temp.TempName[2], "CPU in");
    EXPECT_FALSE(std::filesystem::exists(paths.SysFilePath));
}

TEST_F(MainProgramTest, FanBarStyleSwitchesBackAndForthAndSavesEachTime) {
    auto p = start();
    const struct {
        Int16 flag;
        int barStyle;
    } steps[] = {{kTrue, 2}, {0, 4}, {kTrue, 2}};
    for (const auto& s : steps) {
        std::filesystem::remove(paths.SysFilePath);
        p->switchFanBarStyle();
        EXPECT_EQ(view.fanBarStyle, s.barStyle);
        EXPECT_EQ(storedSettings().sys.FanBarStyle, s.flag);
    }
}

} // namespace
} // namespace vrx
