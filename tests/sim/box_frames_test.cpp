#include <gtest/gtest.h>

#include <numeric>

#include "link/checksum.h"
#include "sim_test_support.h"
#include "vrxsim/box_frames.h"

namespace vrxsim {
namespace {

TEST(StatusFrame, LayoutAndChecksum) {
    Readings r;
    for (int i = 0; i < kChannels; ++i)
        r.temp[i] = static_cast<std::uint8_t>(90 + i);
    for (int i = 0; i < kFans; ++i)
        r.fanTach[i] = static_cast<std::uint8_t>(50 + i);
    r.pumpTach = {100, 101};
    r.flow = {15, 16};
    const StatusFrame f = buildStatusFrame(r, 2, 7);

    const std::vector<std::uint8_t> want{223, 0,  90, 91, 92, 93,  94,  95, 96, 97, 98, 99, 50,
                                         51,  52, 53, 54, 55, 100, 101, 15, 16, 2,  14, 7};
    EXPECT_EQ(std::vector<std::uint8_t>(f.begin(), f.begin() + 25), want);
    const unsigned sum = std::accumulate(want.begin(), want.end(), 0u);
    EXPECT_EQ(f[25], sum % 256);
}

TEST(StatusFrame, SmallBoardReportsOnlyItsChannelsAndOutputsAsLive) {
    PhysicalModel model(1, 42);
    const StatusFrame f = buildStatusFrame(sampleReadings(model), 1);
    for (int c = 0; c < 5; ++c)
        EXPECT_GT(f[st::Temp + c], 32) << "channel " << c + 1;
    for (int c = 5; c < 10; ++c)
        EXPECT_EQ(f[st::Temp + c], 1) << "channel " << c + 1;
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(f[st::FanTach + i], 0);
    for (int i = 3; i < 6; ++i)
        EXPECT_EQ(f[st::FanTach + i], 0);
    EXPECT_GT(f[st::PumpTach], 0);
    EXPECT_EQ(f[st::PumpTach + 1], 0);
    EXPECT_GT(f[st::FlowCount], 0);
    EXPECT_EQ(f[st::FlowCount + 1], 0);
    EXPECT_EQ(f[st::BoardType], 1);
}

TEST(IdentifyReply, CarriesTheTagAndBoardType) {
    for (int board : {1, 2}) {
        PhysicalModel model(board, 3);
        const IdentifyReply r = buildIdentifyReply(sampleReadings(model), board);
        EXPECT_EQ(r[0], 223);
        EXPECT_EQ(r[1], 6);
        EXPECT_EQ(r[35], board);
        EXPECT_EQ(r[39], vrx::Checksum8(r.begin(), r.begin() + 39));
    }
}

TEST(ControlFrame, ValidityAndDecoding) {
    auto bytes = test::controlFrame(55, 20, 1, 2);
    ControlFrame f{};
    std::copy(bytes.begin(), bytes.end(), f.begin());
    ASSERT_TRUE(controlFrameValid(f));
    const ControlSettings c = decodeControlFrame(f);
    EXPECT_EQ(c.fanPower[5], 55);
    EXPECT_EQ(c.pumpStep[1], 20);
    EXPECT_EQ(c.alarmCode[9], 117);
    EXPECT_EQ(c.shutdownCode[0], 120);
    EXPECT_EQ(c.beeper, 1);

    ControlFrame bad = f;
    bad[39] ^= 1;
    EXPECT_FALSE(controlFrameValid(bad));
    bad = f;
    bad[1] = 2;
    bad[39] = vrx::Checksum8(bad.begin(), bad.begin() + 39);
    EXPECT_FALSE(controlFrameValid(bad)) << "wrong header byte 1";
}

TEST(ControlFrame, OutOfRangeValuesAreHeldToWhatTheOutputsCanDo) {
    ControlSettings c;
    c.fanPower = {0, 100, 101, 255, 50, 1};
    c.pumpStep = {31, 200};
    c.flowModel = {1, 0};
    c.tube = {7, 1};
    const Drive d = driveFor(c);
    EXPECT_EQ(d.fanPower, (std::array<int, 6>{0, 100, 100, 100, 50, 1}));
    EXPECT_EQ(d.pumpStep, (std::array<int, 2>{31, 31}));
    EXPECT_EQ(d.flowModel, (std::array<int, 2>{1, 2}));
    EXPECT_EQ(d.tube, (std::array<int, 2>{2, 1}));
}

} // namespace
} // namespace vrxsim
