#include "shell/balloon_tip.h"

#include "fakes/fake_tray.h"

#include <gtest/gtest.h>

#include <optional>

namespace vrx {
namespace {

// The balloon with the one-shot timer the program runs it with, on a clock the test moves.
struct Rig {
    test::FakeTray tray;
    BalloonTip balloon{tray};
    long now = 0;
    std::optional<long> expiryDue;

    void request(const std::string& text, bool isShort) {
        const int ms = balloon.gTrayBalloonTip(text, "ZADa2.1", BalloonIcon::Information, isShort);
        if (ms > 0) expiryDue = now + ms;
    }
    void advanceTo(long t) {
        now = t;
        if (expiryDue && *expiryDue <= now) {
            expiryDue.reset();
            balloon.expire();
        }
    }
};

TEST(BalloonTip, OneAtATimeDroppedNotQueued) {
    struct Step {
        long at;
        const char* text;
        bool isShort;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"two level changes within a second", {{0, "a", true}, {500, "b", true}}, {"a"}},
        {"short balloon gone after one second", {{0, "a", true}, {999, "b", true}, {1000, "c", true}}, {"a", "c"}},
        {"long balloon blocks for five seconds",
         {{0, "hover", false}, {1000, "b", true}, {4999, "c", true}, {5000, "d", true}},
         {"hover", "d"}},
        {"nothing dropped is shown later", {{0, "a", true}, {200, "b", true}, {20000, "c", false}}, {"a", "c"}},
    };
    for (const auto& c : cases) {
        Rig r;
        for (const auto& s : c.steps) {
            r.advanceTo(s.at);
            r.request(s.text, s.isShort);
        }
        r.advanceTo(100000);
        std::vector<std::string> shown;
        for (const auto& b : r.tray.balloons) shown.push_back(b.text);
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_FALSE(r.balloon.showing()) << c.name;
        EXPECT_EQ(r.tray.hides, static_cast<int>(c.shown.size())) << c.name;
    }
}

TEST(BalloonTip, TheDesktopIsToldHowLongItStays) {
    Rig r;
    r.request("short", true);
    r.advanceTo(1000);
    r.request("long", false);
    ASSERT_EQ(r.tray.balloons.size(), 2u);
    EXPECT_EQ(r.tray.balloons[0].displayMs, 1000);
    EXPECT_EQ(r.tray.balloons[1].displayMs, 5000);
    EXPECT_EQ(r.expiryDue, 6000);
}

} // namespace
} // namespace vrx
