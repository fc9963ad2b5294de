#include "e2e/process.h"
#include "fakes/temp_dir.h"
#include "settings/system_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
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

// Sets an environment variable (or unsets it, for nullptr) for the life of the object; children
// started meanwhile inherit it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

std::vector<fs::path> folderEntries(const fs::path& dir) {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(StartupE2E, DataFolderIsTheDesktopsDataFolderNeverTheProgramsOwn) {
    const fs::path binDir = fs::path(VRX_BIN).parent_path();
    test::TempDir t;
    const std::string xdg = t.file("xdg");
    const struct {
        const char* what;
        const char* xdgDataHome;
        std::string expected;
    } cases[] = {
        {"XDG_DATA_HOME set", xdg.c_str(), xdg + "/vrx"},
        {"XDG_DATA_HOME unset", nullptr, t.file("home") + "/.local/share/vrx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<fs::path> binBefore = folderEntries(binDir);
        ScopedEnv home("HOME", t.file("home").c_str());
        ScopedEnv data("XDG_DATA_HOME", c.xdgDataHome);
        test::Process vrx(VRX_BIN, {"--dry-run-power-off", "--ports-only"});
        ASSERT_TRUE(vrx.started());
        EXPECT_TRUE(test::waitFor([&] { return fs::exists(c.expected + "/debug.log"); }, 20s));
        vrx.signal(SIGTERM);
        EXPECT_EQ(vrx.waitExit(10s), 0);
        EXPECT_TRUE(fs::exists(c.expected + "/vrxsys.bin"));
        EXPECT_EQ(folderEntries(binDir), binBefore) << "nothing written beside the executable";
    }
}

TEST(StartupE2E, VersionAndHelpPrintAndExit) {
    test::TempDir out;
    const auto run = [&](const std::string& option) {
        test::Process vrx(VRX_BIN, {option}, out.file("stdout"));
        EXPECT_EQ(vrx.waitExit(10s), 0) << option;
        return test::readFile(out.file("stdout"));
    };
    EXPECT_EQ(run("--version"), "vrx 2.1.30\n");
    const std::string help = run("--help");
    for (const char* option : {"--app-dir", "--simulate", "--ports-only", "--trace-link", "--dry-run-power-off",
                               "--export-csv", "--version", "--help"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    EXPECT_NE(help.find("XDG_DATA_HOME"), std::string::npos);
}

TEST(StartupE2E, RejectsUnknownOptions) {
    test::Process vrx(VRX_BIN, {"--no-such-option"});
    EXPECT_EQ(vrx.waitExit(10s), 2);
}

} // namespace
} // namespace vrx
