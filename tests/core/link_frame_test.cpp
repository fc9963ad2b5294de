#include "link/link_error.h"
#include "link/link_log.h"
#include "link/status_frame.h"
#include "link_test_fixture.h"

#include <sys/stat.h>

namespace vrx {
namespace {

using test::statusFrame;

TEST(StatusFrame, ChannelCodesAreCorrectedAndClamped) {
    struct Case {
        std::uint8_t code;
        std::int16_t offset;
        std::int16_t stored;
    };
    const Case cases[] = {
        {40, -10, 32}, {40, 200, 192}, {254, 50, 254}, {254, -300, 254}, {1, 40, 1}, {100, 5, 105},
        {33, -1, 32},  {191, 1, 192},  {34, -1, 33},   {190, 1, 191},    {2, 0, 32}, {253, 0, 192},
    };
    for (const auto& c : cases) {
        std::array<std::uint8_t, 10> temps{};
        temps.fill(100);
        temps[4] = c.code;
        std::array<std::int16_t, 10> offsets{};
        offsets[4] = c.offset;
        StatusArray out{};
        out[25] = -7;
        ASSERT_EQ(decodeStatusFrame(statusFrame(temps), offsets, out), FrameCheck::Accepted);
        EXPECT_EQ(out[6], c.stored) << "code " << int(c.code) << " offset " << c.offset;
        EXPECT_EQ(out[2], 100);
        EXPECT_EQ(out[0], 223);
        EXPECT_EQ(out[12], 36); // the rest is copied as received
        EXPECT_EQ(out[24], 9);
        EXPECT_EQ(out[25], -7) << "the checksum element is never written";
    }
}

TEST(StatusFrame, RejectedFramesLeaveStatusBytesUntouched) {
    struct Case {
        const char* what;
        std::size_t index;
        int delta;
        std::size_t size;
        FrameCheck expected;
    };
    const Case cases[] = {
        {"checksum off by one", 25, 1, 26, FrameCheck::BadChecksum},
        {"payload changed", 7, 1, 26, FrameCheck::BadChecksum},
        {"wrong header", 0, -1, 26, FrameCheck::BadHeader},
        {"second byte not zero", 1, 1, 26, FrameCheck::BadHeader},
        {"short read", 0, 0, 25, FrameCheck::TooShort},
    };
    for (const auto& c : cases) {
        Bytes f = statusFrame();
        f[c.index] = static_cast<std::uint8_t>(f[c.index] + c.delta);
        f.resize(c.size);
        StatusArray out{};
        out.fill(5);
        const StatusArray before = out;
        EXPECT_EQ(decodeStatusFrame(f, {}, out), c.expected) << c.what;
        EXPECT_EQ(out, before) << c.what;
    }
}

TEST(ControlFrame, BuildsFortyBytesWithChecksumAndRefusesValuesOutsideAByte) {
    Settings s;
    SetDefaults(s, "/vrx/");
    ControllerState st;
    InitControlFrame(s, st);
    st.ControlBytes[39] = 999; // not part of the frame: the checksum goes there
    const ControlFrame f = buildControlFrame(st.ControlBytes);
    EXPECT_EQ(f[0], 207);
    EXPECT_EQ(f[36], 2);
    EXPECT_EQ(f[39], 178);

    for (const std::int16_t bad : {std::int16_t{256}, std::int16_t{-1}, std::int16_t{300}}) {
        st.ControlBytes[23] = bad;
        try {
            buildControlFrame(st.ControlBytes);
            ADD_FAILURE() << bad << " was accepted";
        } catch (const LinkError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
        }
    }
}

TEST(IdentifyReply, FirstTwoBytesReadAsJoinedDecimalTexts) {
    struct Case {
        std::uint8_t b0, b1;
        bool accepted;
    };
    // The joined texts also match 22,36 / 62,23 / 2,236: the controllers are matched that way.
    const Case cases[] = {{223, 6, true},  {6, 223, true}, {22, 36, true}, {62, 23, true}, {2, 236, true},
                          {223, 0, false}, {6, 22, false}, {0, 0, false},  {223, 7, false}};
    for (const auto& c : cases)
        EXPECT_EQ(isIdentifyReply(test::identifyReply(c.b0, c.b1)), c.accepted)
            << int(c.b0) << "," << int(c.b1);

    Bytes shortReply = test::identifyReply();
    shortReply.resize(39);
    EXPECT_FALSE(isIdentifyReply(shortReply));
    EXPECT_EQ(identifyBoardType(test::identifyReply(223, 6, 1)), 1);
}

TEST(LinkLog, ReqLineAndAppending) {
    const Bytes reply = test::identifyReply();
    const std::string line = reqLogLine(LocalDateTime{2026, 3, 4, 5, 6, 7}, 12, reply);
    std::string expected = "03/04/26 05:06:07 COM12 223,6,";
    for (int i = 2; i < 35; ++i)
        expected += std::to_string(i + 10) + ",";
    expected += "2,46,47,48,49\r";
    EXPECT_EQ(line, expected);

    test::LinkRig rig;
    AppendLogLine(rig.dir.string() + "/", "first", "req");
    AppendLogLine(rig.dir.string() + "/", "second", "req");
    EXPECT_EQ(rig.readFile("req.log"), "first\r\nsecond\r\n");
    EXPECT_THROW(AppendLogLine(rig.dir.string() + "/missing/", "x", "req"), std::runtime_error);
    // A FIFO under the log's name fails the write instead of blocking the probe for good.
    ASSERT_EQ(::mkfifo((rig.dir / "fifo.log").c_str(), 0644), 0);
    EXPECT_THROW(AppendLogLine(rig.dir.string() + "/", "x", "fifo"), std::runtime_error);
}

} // namespace
} // namespace vrx
