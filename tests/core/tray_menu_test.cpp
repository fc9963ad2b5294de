#include "shell/tray_menu.h"

#include "fakes/fake_dialogs.h"
#include "fakes/fake_tray.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vrx {
namespace {

struct FakeMenuHost : TrayMenuHost {
    const Settings* settings = nullptr;
    std::vector<Settings> saves; // the settings as each save saw them
    std::vector<bool> onTop;
    int exits = 0;
    std::vector<std::string> errors;
    bool saveSystemFile() override {
        saves.push_back(*settings);
        return true;
    }
    void applyAlwaysOnTop(bool top) override { onTop.push_back(top); }
    void confirmExit() override { ++exits; }
    void logError(const std::string& procedure, const std::string& description) override {
        errors.push_back(procedure + ": " + description);
    }
};

struct Rig {
    Settings s;
    test::FakeAutoStarter autoStarter;
    test::FakeDialogs dialogs;
    FakeMenuHost host;
    TrayMenuHooks hooks;
    TopVRXMenu menu{s, "/data/vrx/", autoStarter, dialogs, host, hooks};
    Rig() {
        SetDefaults(s, "/data/vrx/");
        host.settings = &s;
    }
};

TEST(TrayMenu, CaptionsAndSeparators) {
    Rig r;
    const auto items = r.menu.items();
    const char* captions[] = {"Start at Login", "Always on Top", "Disable Mouseover Window", "-", "Help", "About",
                              "Pump Characteristics", "Log Viewer", "Settings", "-", "End(&X)"};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].caption, captions[i]) << i;
        EXPECT_EQ(items[i].checkable, i <= 2) << i;
    }
    EXPECT_TRUE(items[3].separator());
    EXPECT_TRUE(items[9].separator());
}

TEST(TrayMenu, CheckMarksFollowTheSettingsEachTimeTheMenuOpens) {
    struct Case {
        Int16 autoStart, onTop, hoverOff;
        bool c0, c1, c2;
    };
    const Case cases[] = {
        {0, 0, 0, false, false, false},
        {1, kTrue, kTrue, true, true, true},
        {kTrue, 1, 1, false, false, false}, // only the stored "on" values check the items
    };
    Rig r;
    for (const auto& c : cases) {
        r.s.sys.AutoStart = c.autoStart;
        r.s.sys.AlwaysOnTop = c.onTop;
        r.s.sys.HoverPopupOff = c.hoverOff;
        const auto items = r.menu.items();
        EXPECT_EQ(items[0].checked, c.c0) << c.autoStart;
        EXPECT_EQ(items[1].checked, c.c1) << c.onTop;
        EXPECT_EQ(items[2].checked, c.c2) << c.hoverOff;
    }
}

TEST(TrayMenu, TogglesChangeTheSettingAndSave) {
    struct Case {
        int item;
        Int16 before, after;
        Int16 SysMain::*field;
    };
    const Case cases[] = {
        {tray_item::StartAtLogin, 0, 1, &SysMain::AutoStart},
        {tray_item::StartAtLogin, 1, 0, &SysMain::AutoStart},
        {tray_item::StartAtLogin, kTrue, 1, &SysMain::AutoStart}, // anything but 1 counts as off
        {tray_item::AlwaysOnTop, 0, kTrue, &SysMain::AlwaysOnTop},
        {tray_item::AlwaysOnTop, kTrue, 0, &SysMain::AlwaysOnTop},
        {tray_item::DisableHover, 0, kTrue, &SysMain::HoverPopupOff},
        {tray_item::DisableHover, kTrue, 0, &SysMain::HoverPopupOff},
    };
    for (const auto& c : cases) {
        Rig r;
        r.s.sys.*c.field = c.before;
        r.menu.choose(c.item);
        EXPECT_EQ(r.s.sys.*c.field, c.after) << c.item << " from " << c.before;
        ASSERT_EQ(r.host.saves.size(), 1u) << c.item;
        EXPECT_EQ(r.host.saves[0].sys.*c.field, c.after) << "saved before the change";
        EXPECT_EQ(r.menu.items()[static_cast<std::size_t>(c.item)].checked,
                  c.item == tray_item::StartAtLogin ? c.after == 1 : c.after == kTrue);
    }
}

TEST(TrayMenu, TogglesReachTheirTargets) {
    Rig r;
    r.menu.choose(tray_item::StartAtLogin);
    r.menu.choose(tray_item::StartAtLogin);
    EXPECT_EQ(r.autoStarter.installs, 1);
    EXPECT_EQ(r.autoStarter.uninstalls, 1);
    r.menu.choose(tray_item::AlwaysOnTop);
    r.menu.choose(tray_item::AlwaysOnTop);
    EXPECT_EQ(r.host.onTop, (std::vector<bool>{true, false}));
    EXPECT_EQ(r.host.saves.size(), 4u);
}

TEST(TrayMenu, AnAutostartEntryThatCannotBeWrittenKeepsTheChoiceAndIsLogged) {
    struct FailingAutoStarter : AutoStarter {
        void install() override { throw std::runtime_error("read-only folder"); }
        void uninstall() override {}
    } failing;
    Rig r;
    TopVRXMenu menu{r.s, "/data/vrx/", failing, r.dialogs, r.host, r.hooks};
    menu.choose(tray_item::StartAtLogin);
    EXPECT_EQ(r.s.sys.AutoStart, 1);
    EXPECT_EQ(r.host.saves.size(), 1u);
    EXPECT_EQ(r.host.errors, std::vector<std::string>{"ModSub.gAutoStart: read-only folder"});
}

TEST(TrayMenu, WindowItemsCallTheirHooksAndAreDisabledWithout) {
    const int hooked[] = {tray_item::Help, tray_item::PumpCharacteristics, tray_item::LogViewer, tray_item::Settings};
    for (int item : hooked) {
        Rig r;
        EXPECT_FALSE(r.menu.items()[static_cast<std::size_t>(item)].enabled) << item;
        r.menu.choose(item); // an empty hook must be harmless
        std::vector<int> called;
        r.hooks.openHelp = [&] { called.push_back(tray_item::Help); };
        r.hooks.openPumpCharacteristics = [&] { called.push_back(tray_item::PumpCharacteristics); };
        r.hooks.openLogViewer = [&] { called.push_back(tray_item::LogViewer); };
        r.hooks.openSettings = [&] { called.push_back(tray_item::Settings); };
        EXPECT_TRUE(r.menu.items()[static_cast<std::size_t>(item)].enabled) << item;
        r.menu.choose(item);
        EXPECT_EQ(called, std::vector<int>{item});
        EXPECT_TRUE(r.host.saves.empty());
    }
}

TEST(TrayMenu, AFailingWindowIsLoggedNotThrown) {
    Rig r;
    r.hooks.openLogViewer = [] { throw std::runtime_error("no log folder"); };
    EXPECT_NO_THROW(r.menu.choose(tray_item::LogViewer));
    EXPECT_EQ(r.host.errors, std::vector<std::string>{"FrmPopup.menu_Click: no log folder"});
}

TEST(TrayMenu, AboutEndAndNonItems) {
    Rig r;
    r.menu.choose(tray_item::About);
    ASSERT_EQ(r.dialogs.standard.size(), 1u);
    EXPECT_EQ(r.dialogs.standard[0].text, std::string("VRX cooling monitor v.") + VRX_VERSION_TEXT +
                                              "\nData folder: /data/vrx/\nProvided as is, without warranty of any kind.");
    EXPECT_EQ(r.dialogs.standard[0].icon, BoxIcon::Information);

    r.menu.choose(tray_item::End);
    EXPECT_EQ(r.host.exits, 1);

    const Settings before = r.s;
    for (int item : {3, 9, -1, 11, 99}) r.menu.choose(item);
    EXPECT_EQ(r.s, before);
    EXPECT_TRUE(r.host.saves.empty());
    EXPECT_EQ(r.host.exits, 1);
    EXPECT_EQ(r.dialogs.standard.size(), 1u);
}

} // namespace
} // namespace vrx
