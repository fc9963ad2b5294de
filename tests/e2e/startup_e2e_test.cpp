#include "e2e/process.h"
#include "fakes/temp_dir.h"
#include "settings/system_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace vrx {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const std::string& path) {
    const std::string s = test::readFile(path);
    return {s.begin(), s.end()};
}

TEST(StartupE2E, FirstRunWritesDefaultsSecondInstanceEndsAtOnceSigtermSaves) {
    test::TempDir dir;
    Settings defaults;
    SetDefaults(defaults, dir.dir());
    const std::string sys = dir.file("vrxsys.bin");

    test::Process first(VRX_BIN, {"--app-dir", dir.path().string(), "--dry-run-power-off"});
    ASSERT_TRUE(first.started());
    ASSERT_TRUE(test::waitFor([&] { return fs::exists(dir.file("debug.log")); }, 20s));
    EXPECT_EQ(bytesOf(sys), serializeSettings(defaults));
    EXPECT_EQ(test::readFile(dir.file("debug.log")), "RURu2 Debugs\r\n");

    const auto before = fs::last_write_time(sys);
    std::vector<std::string> entriesBefore;
    for (const auto& e : fs::directory_iterator(dir.path())) entriesBefore.push_back(e.path().filename().string());
    test::TempDir out;
    test::Process second(VRX_BIN, {"--app-dir", dir.path().string(), "--dry-run-power-off"}, {}, out.file("stderr"));
    EXPECT_EQ(second.waitExit(3s), 0);
    EXPECT_EQ(test::readFile(out.file("stderr")), ""); // another vrx on the folder is no error
    std::vector<std::string> entriesAfter;
    for (const auto& e : fs::directory_iterator(dir.path())) entriesAfter.push_back(e.path().filename().string());
    EXPECT_EQ(entriesAfter, entriesBefore);
    EXPECT_EQ(fs::last_write_time(sys), before);
    EXPECT_FALSE(first.waitExit(100ms).has_value()); // the first one is untouched

    first.signal(SIGTERM);
    ASSERT_EQ(first.waitExit(10s), 0);
    EXPECT_EQ(bytesOf(sys), serializeSettings(defaults));
    for (const auto& e : fs::directory_iterator(dir.path())) EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

// A FIFO blocks whoever opens it until someone opens the other end; vrx must not wait for that.
TEST(StartupE2E, FifoAsSystemFileIsAFailedLoadNotAHang) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("vrxsys.bin").c_str(), 0644), 0);
    test::Process vrx(VRX_BIN, {"--app-dir", dir.path().string(), "--dry-run-power-off"});
    ASSERT_TRUE(vrx.started());
    EXPECT_TRUE(test::waitFor(
        [&] {
            return test::readFile(dir.file("debug.log")).find(", ModSub.gLoadBIN, 22:Not a regular file\r\n") !=
                   std::string::npos;
        },
        20s));
    EXPECT_TRUE(fs::is_fifo(dir.file("vrxsys.bin"))); // the failed save replaced nothing
    EXPECT_FALSE(vrx.waitExit(100ms).has_value());
}

TEST(StartupE2E, RejectsUnknownOptions) {
    test::Process vrx(VRX_BIN, {"--no-such-option"});
    EXPECT_EQ(vrx.waitExit(10s), 2);
}

} // namespace
} // namespace vrx
