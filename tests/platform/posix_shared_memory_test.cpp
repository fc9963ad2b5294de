#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "link/shared_report.h"
#include "platform/posix_shared_memory.h"

namespace vrx {
namespace {

class PosixSharedMemoryTest : public ::testing::Test {
protected:
    void SetUp() override { ::shm_unlink(m_name.c_str()); }
    void TearDown() override { ::shm_unlink(m_name.c_str()); }

    // What another program sees: its own read-only mapping of the block.
    std::string readBlock() {
        const int fd = ::shm_open(m_name.c_str(), O_RDONLY, 0);
        if (fd < 0) return {};
        struct stat st {};
        ::fstat(fd, &st);
        std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
        void* view = ::mmap(nullptr, bytes.size(), PROT_READ, MAP_SHARED, fd, 0);
        ::close(fd);
        if (view == MAP_FAILED) return {};
        std::memcpy(bytes.data(), view, bytes.size());
        ::munmap(view, bytes.size());
        return bytes;
    }

    std::string m_name = "/vrx-test-" + std::to_string(::getpid());
};

TEST_F(PosixSharedMemoryTest, ReportVisibleToAnotherMappingAndKeptBetweenWrites) {
    PosixSharedMemory memory;
    SharedReport report(memory, m_name);
    std::vector<std::uint8_t> frame(26, 0);
    frame[2] = 97;

    ASSERT_TRUE(report.publishFrame(frame, -1));
    std::string block = readBlock();
    ASSERT_EQ(block.size(), 1024u);
    EXPECT_EQ(block.substr(0, 5), "10097");
    EXPECT_EQ(block.substr(93, 93), std::string(93, ' '));
    EXPECT_EQ(block.substr(186), std::string(1024 - 186, '\0'));

    struct stat st {};
    const int fd = ::shm_open(m_name.c_str(), O_RDONLY, 0);
    ASSERT_GE(fd, 0);
    ::fstat(fd, &st);
    ::close(fd);
    EXPECT_EQ(st.st_mode & 0777, 0644u);

    ASSERT_TRUE(report.publishFrame(frame, -1));
    EXPECT_EQ(readBlock()[0], '0');

    report.withdraw();
    EXPECT_TRUE(readBlock().empty());
}

TEST_F(PosixSharedMemoryTest, ABlockRemovedByAnotherProgramIsCreatedAgainOnTheNextWrite) {
    PosixSharedMemory memory;
    const std::string first = "one", second = "two";
    ASSERT_TRUE(memory.write(m_name, 64, reinterpret_cast<const std::uint8_t*>(first.data()), first.size()));
    ::shm_unlink(m_name.c_str());
    ASSERT_TRUE(memory.write(m_name, 64, reinterpret_cast<const std::uint8_t*>(second.data()), second.size()));
    EXPECT_EQ(readBlock().substr(0, 3), "two");
}

TEST_F(PosixSharedMemoryTest, WriteKeepsTheRestOfTheBlock) {
    PosixSharedMemory memory;
    const std::string first(300, 'a');
    ASSERT_TRUE(
        memory.write(m_name, 1024, reinterpret_cast<const std::uint8_t*>(first.data()), first.size()));
    const std::string second = "bb";
    ASSERT_TRUE(
        memory.write(m_name, 1024, reinterpret_cast<const std::uint8_t*>(second.data()), second.size()));
    const std::string block = readBlock();
    EXPECT_EQ(block.substr(0, 4), "bbaa");
    EXPECT_EQ(block[299], 'a');
    EXPECT_EQ(block[300], '\0');

    EXPECT_FALSE(memory.write(m_name, 16, reinterpret_cast<const std::uint8_t*>(first.data()), first.size()));
    EXPECT_FALSE(
        memory.write("no/slashes/allowed", 1024, reinterpret_cast<const std::uint8_t*>(second.data()), 2));
}

} // namespace
} // namespace vrx
