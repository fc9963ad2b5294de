#include "program_rig.h"
#include "frm_main.h"
#include "link/checksum.h"
#include "link/status_frame.h"
#include "measure/status_text.h"

#include <QAction>
#include <gtest/gtest.h>

namespace vrx::gui {
namespace {

class StatusBindingTest : public ::testing::Test, protected test::ProgramRig {
protected:

    // A status frame as the controller sends it, through the decoder, into the window.
    void receive(std::array<std::uint8_t, 26> frame) {
        frame[0] = 223;
        frame[1] = 0;
        frame[25] = Checksum8(frame.begin(), frame.begin() + 25);
        ASSERT_EQ(decodeStatusFrame(frame, program.settings().temp.TempOffset, program.state().StatusBytes),
                  FrameCheck::Accepted);
        mChangeData(program.settings(), program.state());
        program.TimerView_Timer();
        program.TimerGraph_Timer();
    }
    void receiveTwice(const std::array<std::uint8_t, 26>& frame) {
        receive(frame);
        receive(frame);
    }
};

TEST_F(StatusBindingTest, AStatusFrameInTheLabelsOut) {
    program.Main();
    std::array<std::uint8_t, 26> f{};
    f[2] = 97;  // 35 C
    f[3] = 254; // shorted sensor
    f[12] = 50; // 1,500 rpm
    f[18] = 100;
    f[20] = 10; // 3.04 LPM on the default meter
    f[22] = 1;
    receiveTwice(f);
    EXPECT_EQ(window.tempLabel(0)->text(), "35 C");
    EXPECT_EQ(window.tempBar(0)->value(), 65);
    EXPECT_EQ(window.tempLabel(1)->text(), "S-S");
    EXPECT_EQ(window.fanLabel(0)->text(), "1,500 RPM");
    EXPECT_EQ(window.pumpLabel(0)->text(), "3,000 RPM");
    EXPECT_EQ(window.pumpLabel(2)->text(), "Level 10 (12.73v)");
    EXPECT_EQ(window.flowLabel(0)->text(), "3.0 LPM");
    EXPECT_EQ(window.graphLabel(0)->text(), "Temperature (C)");
    EXPECT_FALSE(window.graph()->lines().empty()); // lines between the two newest samples

    program.mDisplayOff();
    EXPECT_EQ(window.tempLabel(0)->text(), "");
    EXPECT_EQ(window.fanLabel(0)->text(), "");
    EXPECT_EQ(window.tempBar(0)->value(), 0);
}

TEST_F(StatusBindingTest, GraphMenuChoosesTheGroupAndShowsItsChecks) {
    program.Main();
    window.graphMenuChecks = [this] { return LiveGraph::menuChecks(program.settings()); };
    QObject::connect(window.graphMenu(), &GraphMenu::groupChosen, [this](int g) { program.chooseGraphGroup(g); });
    window.graphMenu()->groupAction(2)->trigger();
    EXPECT_EQ(program.settings().sys.CycleMode, 2);
    EXPECT_EQ(window.graphLabel(0)->text(), "Fan (RPM)");
    window.popupGraphMenu({0, 0});
    EXPECT_TRUE(window.graphMenu()->groupAction(2)->isChecked());
    EXPECT_FALSE(window.graphMenu()->groupAction(1)->isChecked());
    window.graphMenu()->hide();
}

} // namespace
} // namespace vrx::gui
