#include <gtest/gtest.h>

#include <map>

#include "link/shared_report.h"

namespace vrx {
namespace {

// Named blocks held in memory, the way readers in other processes would see them.
class MemoryBlocks : public SharedMemory {
public:
    bool write(const std::string& name, std::size_t blockSize, const std::uint8_t* data,
               std::size_t length) override {
        if (failWrites || length > blockSize) return false;
        auto& block = blocks[name];
        if (block.empty()) block.assign(blockSize, 0);
        std::copy(data, data + length, block.begin());
        return true;
    }
    void unlink(const std::string& name) override { blocks.erase(name); }

    std::map<std::string, std::vector<std::uint8_t>> blocks;
    bool failWrites = false;
};

std::vector<std::uint8_t> sampleFrame() {
    std::vector<std::uint8_t> frame(26);
    for (std::size_t k = 0; k < frame.size(); ++k)
        frame[k] = static_cast<std::uint8_t>(k * 10);
    frame[0] = 223;
    frame[2] = 97; // raw 35 C; a -5 offset shows 92 on screen but the report keeps 0097
    frame[24] = 255;
    frame[25] = 0x5A; // checksum, not reported
    return frame;
}

std::string textOf(const std::vector<std::uint8_t>& block, std::size_t from, std::size_t length) {
    return std::string(block.begin() + static_cast<long>(from),
                       block.begin() + static_cast<long>(from + length));
}

TEST(SharedReport, TextOfAKnownFrame) {
    const std::string text = SharedReport::reportText(1, sampleFrame());
    ASSERT_EQ(text.size(), SharedReport::kTextLength);
    EXPECT_EQ(text.substr(0, 9), "100970030");  // digit, byte 2 raw, byte 3
    EXPECT_EQ(text.substr(73, 8), "02000210");  // flow counts, bytes 20 and 21
    EXPECT_EQ(text.substr(81), "022002300255"); // type, firmware, status byte 24
    EXPECT_EQ(SharedReport::reportText(0, sampleFrame())[0], '0');
    EXPECT_EQ(SharedReport::reportText(1, std::vector<std::uint8_t>(24)), ""); // truncated frame
}

TEST(SharedReport, PublishesAlternatingReportsWithSpacePadding) {
    MemoryBlocks memory;
    SharedReport report(memory);
    const auto frame = sampleFrame();

    ASSERT_TRUE(report.publishFrame(frame, -1));
    const auto& block = memory.blocks.at("/REZe2Vuz001");
    ASSERT_EQ(block.size(), 1024u);
    EXPECT_EQ(block[0], '1');
    EXPECT_EQ(textOf(block, 1, 4), "0097");
    EXPECT_EQ(textOf(block, 93, 93), std::string(93, ' '));
    EXPECT_EQ(block[186], 0);
    EXPECT_EQ(block[1023], 0);

    ASSERT_TRUE(report.publishFrame(frame, -1));
    EXPECT_EQ(memory.blocks.at("/REZe2Vuz001")[0], '0');
    ASSERT_TRUE(report.publishFrame(frame, -1));
    EXPECT_EQ(memory.blocks.at("/REZe2Vuz001")[0], '1');

    ASSERT_TRUE(report.publishFrame(frame, 0, -1)); // digit kept by the caller
    EXPECT_EQ(memory.blocks.at("/REZe2Vuz001")[0], '0');
    EXPECT_EQ(report.ReportToggle(), 1);

    report.reset();
    EXPECT_EQ(report.ReportToggle(), 0);
    report.publishFrame(frame, -1);
    EXPECT_EQ(memory.blocks.at("/REZe2Vuz001")[0], '1'); // first report after a reset
}

TEST(SharedReport, ShareSwitchGatesAndWithdraws) {
    MemoryBlocks memory;
    SharedReport report(memory, "/test-block");
    const auto frame = sampleFrame();

    EXPECT_FALSE(report.publishFrame(frame, 0));
    EXPECT_TRUE(memory.blocks.empty());
    EXPECT_EQ(report.ReportToggle(), 0);

    report.publishFrame(frame, -1);
    report.applyShareSwitch(-1);
    EXPECT_EQ(memory.blocks.count("/test-block"), 1u);
    report.applyShareSwitch(0);
    EXPECT_TRUE(memory.blocks.empty());

    memory.failWrites = true;
    EXPECT_FALSE(report.publishFrame(frame, -1));
}

} // namespace
} // namespace vrx
