#include <gtest/gtest.h>

#include "sim_test_support.h"
#include "vrxsim/rx_parser.h"

namespace vrxsim {
namespace {

std::vector<RxKind> kinds(const std::vector<RxMessage>& ms) {
    std::vector<RxKind> k;
    for (const auto& m : ms)
        k.push_back(m.kind);
    return k;
}

TEST(RxParser, SplitsTheStreamIntoMessages) {
    RxParser p;
    std::vector<std::uint8_t> stream{9, 9};
    stream.insert(stream.end(), test::kIdentify.begin(), test::kIdentify.end());
    const auto frame = test::controlFrame(50, 10);
    stream.insert(stream.end(), frame.begin(), frame.end());
    stream.insert(stream.end(), {207, 7, 215}); // keep-alive with a wrong checksum

    // Arriving in pieces changes nothing, as long as the pieces follow each other closely.
    std::vector<RxMessage> got;
    for (std::size_t i = 0; i < stream.size(); i += 7) {
        const std::size_t n = std::min<std::size_t>(7, stream.size() - i);
        for (auto& m : p.feed(std::span(stream).subspan(i, n), 0.001 * static_cast<double>(i)))
            got.push_back(m);
    }
    EXPECT_EQ(kinds(got),
              (std::vector<RxKind>{RxKind::Unknown, RxKind::Identify, RxKind::Control, RxKind::BadChecksum}));
    EXPECT_EQ(got[2].bytes, frame);
    EXPECT_EQ(describeRx(got[3]), "bad-checksum keepalive got=215 want=214");
}

TEST(RxParser, TruncatedFrameDoesNotSwallowTheNextOne) {
    RxParser p;
    const auto frame = test::controlFrame(50, 10);
    EXPECT_TRUE(p.feed(std::span(frame).first(25), 1.0).empty());
    // The rest never comes; a second later a whole frame does.
    const auto got = p.feed(frame, 2.0);
    EXPECT_EQ(kinds(got), (std::vector<RxKind>{RxKind::Incomplete, RxKind::Control}));

    EXPECT_TRUE(p.feed(std::span(frame).first(10), 3.0).empty());
    EXPECT_EQ(kinds(p.expire(3.1)), std::vector<RxKind>{});
    EXPECT_EQ(kinds(p.expire(3.5)), std::vector<RxKind>{RxKind::Incomplete});
}

} // namespace
} // namespace vrxsim
