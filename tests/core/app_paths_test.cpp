#include "app/app_paths.h"
#include "fakes/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vrx {
namespace {

namespace fs = std::filesystem;

TEST(AppPaths, DataFolderFollowsTheCommandLineThenXdgDataHomeThenHome) {
    test::TempDir t;
    const std::string home = t.file("home");
    const std::string xdg = t.file("xdg");
    const std::string given = t.file("given");
    const struct {
        const char* what;
        std::string overrideDir, xdgDataHome, homeDir, expected;
    } cases[] = {
        {"--app-dir wins over both", given, xdg, home, given + "/"},
        {"XDG_DATA_HOME when set", "", xdg, home, xdg + "/vrx/"},
        {"XDG_DATA_HOME with a trailing slash", "", xdg + "/", home, xdg + "/vrx/"},
        {"home when XDG_DATA_HOME is unset", "", "", home, home + "/.local/share/vrx/"},
        {"a relative XDG_DATA_HOME is ignored", "", "relative/data", home, home + "/.local/share/vrx/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        EXPECT_EQ(resolveAppDir(c.overrideDir, c.xdgDataHome, c.homeDir, &error), c.expected);
        EXPECT_EQ(error, "");
        EXPECT_TRUE(fs::is_directory(c.expected)) << "created when missing";
    }
}

TEST(AppPaths, NoUsableHomeIsAnErrorNotASharedFolder) {
    for (const std::string home : {"", "relative/home"}) {
        SCOPED_TRACE(home);
        std::string error;
        EXPECT_EQ(resolveAppDir("", "", home, &error), "");
        EXPECT_NE(error.find("--app-dir"), std::string::npos) << error;
    }
}

TEST(AppPaths, FolderThatCannotBeMadeGivesTheReason) {
    test::TempDir t;
    std::ofstream(t.file("plain")) << "a file where the folder should go";
    std::string error;
    EXPECT_EQ(resolveAppDir("", t.file("plain"), "", &error), t.file("plain") + "/vrx/");
    EXPECT_EQ(error, "Not a directory");
}

TEST(AppPaths, ManualIsFoundBesideTheExecutablesShareFolder) {
    const struct {
        std::string exeDir, expected;
    } cases[] = {
        {"/usr/bin", "/usr/share/vrx/manual.html"},
        {"/usr/local/bin/", "/usr/local/share/vrx/manual.html"},
        {"/home/u/vrx/build/default/bin", "/home/u/vrx/build/default/share/vrx/manual.html"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(helpFilePathFor(c.exeDir), c.expected) << c.exeDir;
        EXPECT_EQ(makeAppPaths("/data", c.exeDir).HelpFilePath, c.expected) << c.exeDir;
    }
    EXPECT_EQ(makeAppPaths("/data").SysFilePath, "/data/vrxsys.bin");
}

} // namespace
} // namespace vrx
