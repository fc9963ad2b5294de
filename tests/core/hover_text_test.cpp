#include "shell/hover_text.h"

#include "fakes/fake_tray.h"
#include "link/control_frame.h"
#include "measure/status_text.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

struct Rig {
    Settings s;
    ControllerState st;
    Rig() {
        SetDefaults(s, "/vrx/");
        InitControlFrame(s, st);
        for (std::size_t i = 2; i < 12; ++i) st.StatusBytes[i] = static_cast<Int16>(95 + i); // 35 C on channel 1
    }
    StatusDisplay display() {
        mChangeData(s, st);
        return gDisplayOn(s, st, false);
    }
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
}

TEST(HoverText, OneLinePerChannelOfTheControllerType) {
    struct Case {
        Int16 boardType;
        std::size_t lines;
    };
    // Types outside 1..2 show the small layout; they must not reach past the ten channels.
    for (const Case c : {Case{1, 5}, Case{2, 10}, Case{0, 5}, Case{3, 5}, Case{-1, 5}}) {
        Rig r;
        r.s.sys.BoardType = c.boardType;
        r.s.temp.TempName[1] = "CPU";
        const std::string text = mPopupData(r.s, r.display());
        const auto got = lines(text);
        ASSERT_EQ(got.size(), c.lines) << "BoardType " << c.boardType;
        EXPECT_EQ(got[0], "1.Ch 1  35 C");
        EXPECT_EQ(got[1], "2.CPU  36 C");
        EXPECT_EQ(got.back(), std::to_string(c.lines) + ".Ch " + std::to_string(c.lines) + "  " +
                                  std::to_string(34 + c.lines) + " C");
        EXPECT_NE(text.back(), '\n');
    }
}

TEST(HoverText, ToolTipFollowsTheSwitchAndThePortStatus) {
    struct Case {
        Int16 hoverOff;
        const char* portStatus;
        const char* expected; // "*" = the hover text
    };
    const Case cases[] = {
        {0, "COM3", "*"},
        {0, "", "*"},
        {0, "1234567890", "*"},                  // 10 characters: still the readings
        {0, "12345678901", "COMM PORT OFF"},     // 11
        {0, "COM Port Scanning...", "COMM PORT OFF"},
        {kTrue, "COM3", ""},
        {kTrue, "COM Port Scanning...", ""},
        {1, "COM3", ""}, // only 0 turns the hover on
    };
    for (const auto& c : cases) {
        Rig r;
        r.s.sys.HoverPopupOff = c.hoverOff;
        const auto d = r.display();
        const std::string expected = std::string(c.expected) == "*" ? mPopupData(r.s, d) : c.expected;
        EXPECT_EQ(hoverToolTip(r.s, c.portStatus, d), expected) << c.hoverOff << " '" << c.portStatus << "'";
    }
}

TEST(HoverText, TheTrayIsToldOnlyOfChanges) {
    Rig r;
    test::FakeTray tray;
    HoverToolTip hover(tray);
    r.s.sys.HoverPopupOff = 0;
    hover.refresh(r.s, "COM3", r.display());
    hover.refresh(r.s, "COM3", r.display()); // a second with the same readings
    ASSERT_EQ(tray.toolTips.size(), 1u);
    EXPECT_EQ(tray.toolTips[0].substr(0, 12), "1.Ch 1  35 C");

    r.st.StatusBytes[2] = 100; // 38 C
    hover.refresh(r.s, "COM3", r.display());
    ASSERT_EQ(tray.toolTips.size(), 2u);
    EXPECT_EQ(tray.toolTips[1].substr(0, 12), "1.Ch 1  38 C");

    r.s.sys.HoverPopupOff = kTrue;
    hover.refresh(r.s, "COM3", r.display());
    hover.refresh(r.s, "COM3", r.display());
    EXPECT_EQ(tray.toolTips, (std::vector<std::string>{tray.toolTips[0], tray.toolTips[1], ""}));
}

} // namespace
} // namespace vrx
