#include "shell/help_command.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"

#include <gtest/gtest.h>

#include <vector>

namespace vrx {
namespace {

TEST(HelpCommand, OpensAReadableManualAndSaysWhyOtherwise) {
    const std::string manual = "/usr/share/vrx/manual.html";
    const struct {
        const char* what;
        std::string path;
        bool present, viewerStarts;
        const char* shown; // "" when the manual opened
    } cases[] = {
        {"found and opened", manual, true, true, ""},
        {"missing", manual, false, true,
         "The user manual cannot be read: /usr/share/vrx/manual.html (No such file or directory)."},
        {"no path known", "", false, true, "The user manual cannot be read: (location unknown) (No such file or directory)."},
        {"no viewer", manual, true, false,
         "The user manual could not be opened: /usr/share/vrx/manual.html (no document viewer took the file)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeFileAccess disk;
        if (c.present) disk.files[manual] = "<html>";
        test::FakeDialogs dialogs;
        std::vector<std::string> opened, logged;
        const bool ok = gVRX_Help(
            c.path,
            [&](const std::string& p) {
                opened.push_back(p);
                return c.viewerStarts;
            },
            dialogs, [&](const std::string& name, const std::string&, const std::string& text) {
                logged.push_back(name + ": " + text);
            });

        EXPECT_EQ(ok, *c.shown == '\0');
        EXPECT_EQ(opened, c.present ? std::vector<std::string>{manual} : std::vector<std::string>{})
            << "a missing manual is never handed to a viewer";
        if (ok) {
            EXPECT_TRUE(dialogs.standard.empty());
            EXPECT_TRUE(logged.empty());
            continue;
        }
        ASSERT_EQ(dialogs.standard.size(), 1u);
        EXPECT_EQ(dialogs.standard[0].text, c.shown);
        EXPECT_EQ(dialogs.standard[0].icon, BoxIcon::Warning);
        EXPECT_EQ(logged, std::vector<std::string>{std::string("ModSub.gVRX_Help: ") + c.shown});
    }
}

} // namespace
} // namespace vrx
