#include "shell/xdg_autostart.h"
#include "fakes/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace vrx {
namespace {

TEST(XdgAutoStart, ExecArgumentsSurviveSpacesQuotesAndReservedCharacters) {
    const struct {
        std::string arg, written;
    } cases[] = {
        {"/usr/bin/vrx", R"("/usr/bin/vrx")"},
        {"/opt/my vrx/vrx", R"("/opt/my vrx/vrx")"},
        {R"(/opt/a "b"/vrx)", R"("/opt/a \\"b\\"/vrx")"},
        {"/opt/$HOME/`x`/vrx", R"("/opt/\\$HOME/\\`x\\`/vrx")"},
        {R"(/opt/back\slash)", R"("/opt/back\\\\slash")"},
        {"/opt/100%/vrx", R"("/opt/100%%/vrx")"},
        {"/opt/new\nline", R"("/opt/new\nline")"},
    };
    for (const auto& c : cases) EXPECT_EQ(desktopExecArgument(c.arg), c.written) << c.arg;
}

TEST(XdgAutoStart, EntryStartsTheInstalledProgramWithItsDataFolder) {
    EXPECT_EQ(autostartEntryText("/usr/bin/vrx", "", false),
              "[Desktop Entry]\nType=Application\nName=VRX\n"
              "Comment=Monitor and drive a liquid-cooling controller on a serial port\n"
              "Exec=\"/usr/bin/vrx\"\nIcon=vrx\nTerminal=false\nX-GNOME-Autostart-enabled=true\nHidden=false\n"
              "X-vrx-Autostart=true\n");
    const std::string hidden = autostartEntryText("/opt/my vrx/vrx", "/home/u/cooling \"lab\"", true);
    EXPECT_NE(hidden.find("\nExec=\"/opt/my vrx/vrx\" --app-dir \"/home/u/cooling \\\\\"lab\\\\\"\"\n"),
              std::string::npos)
        << hidden;
    EXPECT_NE(hidden.find("\nX-GNOME-Autostart-enabled=false\nHidden=true\n"), std::string::npos);
    EXPECT_TRUE(isOwnAutostartEntry(hidden));
}

TEST(XdgAutoStart, OnlyItsOwnEntryIsEverChanged) {
    const std::string foreign = "[Desktop Entry]\nType=Application\nName=Mine\nExec=/usr/bin/mine\n";
    const std::string legacy = "[Desktop Entry]\nType=Application\nName=VRX\nExec=\"/home/u/build/bin/vrx\"\n";
    const std::string shown = autostartEntryText("/usr/bin/vrx", "", false);
    const std::string off = autostartEntryText("/usr/bin/vrx", "", true);
    const struct {
        const char* what;
        std::optional<std::string> before;
        bool on;
        std::optional<std::string> after; // nothing: no file
    } cases[] = {
        {"switched on, no entry yet", std::nullopt, true, shown},
        {"switched off, no entry", std::nullopt, false, std::nullopt},
        {"switched off over ours", shown, false, off},
        {"switched on over ours, switched off", off, true, shown},
        {"an older entry of ours is brought up to date", legacy, true, shown},
        {"someone else's entry, switched on", foreign, true, foreign},
        {"someone else's entry, switched off", foreign, false, foreign},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir t;
        const std::string entry = t.file("config/autostart/RURu2.desktop");
        if (c.before) {
            std::filesystem::create_directories(t.file("config/autostart"));
            std::ofstream(entry) << *c.before;
        }
        XdgAutoStart autoStart(entry, "/usr/bin/vrx");
        c.on ? autoStart.install() : autoStart.uninstall();
        ASSERT_EQ(std::filesystem::exists(entry), c.after.has_value());
        if (c.after) {
            EXPECT_EQ(test::readFile(entry), *c.after);
        }
    }
}

} // namespace
} // namespace vrx
