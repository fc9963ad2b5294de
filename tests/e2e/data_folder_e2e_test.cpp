#include "e2e/process.h"
#include "fakes/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace vrx {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::vector<fs::path> entries(const test::TempDir& dir) {
    std::vector<fs::path> out;
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
        out.push_back(e.path());
    return out;
}

// Runs vrx on folder and returns what it printed on standard error, after checking that it ended
// with status 1 and left no file behind in the test's folder.
std::string runOnUnusableFolder(const test::TempDir& dir, const std::string& folder) {
    test::TempDir out;
    const std::string errors = out.file("stderr");
    const std::vector<fs::path> before = entries(dir);
    test::Process vrx(VRX_BIN, {"--app-dir", folder, "--dry-run-power-off"}, {}, errors);
    EXPECT_TRUE(vrx.started());
    EXPECT_EQ(vrx.waitExit(20s), 1);
    EXPECT_EQ(entries(dir), before);
    return test::readFile(errors);
}

TEST(DataFolderE2E, UnusableFolderIsNamedWithTheReasonAndEndsWithStatus1) {
    test::TempDir dir;
    std::ofstream(dir.file("plain")) << "not a folder";
    const struct {
        const char* what;
        std::string folder;
        const char* reason;
    } cases[] = {
        {"a regular file", dir.file("plain"), "Not a directory"},
        {"a folder below a regular file", dir.file("plain") + "/vrx", "Not a directory"},
        {"a name too long", dir.file(std::string(300, 'n')), "File name too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string line = "vrx: cannot use data folder " + c.folder + ": " + c.reason + "\n";
        EXPECT_NE(runOnUnusableFolder(dir, c.folder).find(line), std::string::npos) << line;
    }
}

TEST(DataFolderE2E, FolderWithoutWriteAccessIsAnError) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    test::TempDir dir;
    const fs::path locked = dir.path() / "locked";
    fs::create_directory(locked);
    // With the lock file left by an earlier run, too: the lock alone would still succeed.
    for (const bool withLock : {false, true}) {
        SCOPED_TRACE(withLock ? "lock file present" : "empty folder");
        fs::permissions(locked, fs::perms::owner_all, fs::perm_options::replace);
        if (withLock) std::ofstream(locked / ".vrx.lock").flush();
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
        const std::string line = "vrx: cannot use data folder " + locked.string() + ": Permission denied\n";
        EXPECT_NE(runOnUnusableFolder(dir, locked.string()).find(line), std::string::npos) << line;
    }
}

} // namespace
} // namespace vrx
