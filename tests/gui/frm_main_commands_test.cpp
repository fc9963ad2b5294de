#include <QPainter>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

#include "fakes/default_settings.h"
#include "frm_main.h"
#include "key_map.h"
#include "settings/settings_record.h"

namespace vrx::gui {
namespace {

bool operator==(const KeyPress& a, const KeyPress& b) {
    return a.key == b.key && a.letter == b.letter && a.modifiers == b.modifiers;
}

TEST(KeyMap, QtKeysInTheCoresTerms) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        KeyPress press;
    };
    const Case cases[] = {
        {Qt::Key_F1, Qt::NoModifier, {Key::F1, 0, KeyModifiers::None}},
        {Qt::Key_F8, Qt::NoModifier, {Key::F8, 0, KeyModifiers::None}},
        {Qt::Key_F9, Qt::NoModifier, {Key::Other, 0, KeyModifiers::None}},
        {Qt::Key_T, Qt::ShiftModifier, {Key::Letter, 'T', KeyModifiers::Shift}},
        {Qt::Key_F, Qt::ControlModifier, {Key::Letter, 'F', KeyModifiers::Other}},
        {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, {Key::Letter, 'P', KeyModifiers::Other}},
        {Qt::Key_Z, Qt::AltModifier, {Key::Letter, 'Z', KeyModifiers::Other}},
        {Qt::Key_Down,
         Qt::KeypadModifier,
         {Key::Down, 0, KeyModifiers::None}}, // arrows may come from the keypad
        {Qt::Key_Left, Qt::NoModifier, {Key::Left, 0, KeyModifiers::None}},
        {Qt::Key_Enter, Qt::KeypadModifier, {Key::Enter, 0, KeyModifiers::None}},
        {Qt::Key_Return, Qt::NoModifier, {Key::Enter, 0, KeyModifiers::None}},
        {Qt::Key_5, Qt::NoModifier, {Key::Other, 0, KeyModifiers::None}},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(toKeyPress(c.key, c.modifiers) == c.press) << c.key;
}

using test::defaults;

class FrmMainCommands : public ::testing::Test {
protected:
    Settings settings = defaults(2);
    FrmMain window;
    std::vector<KeyPress> keys;
    std::vector<std::pair<int, Key>> buttonKeys;
    bool swallow = false;

    void SetUp() override {
        window.applyLayout(computeFormLayout(2, 15));
        window.outputMenuModel = [this](OutputKind kind) { return buildOutputMenu(settings, kind); };
        window.onKeyDown = [this](const KeyPress& p) {
            if (p.key != Key::Other) keys.push_back(p); // Shift and Ctrl come as keys of their own
            return swallow;
        };
        window.onCommandButtonKey = [this](int index, Key key) {
            buttonKeys.emplace_back(index, key);
            return true;
        };
        window.move(40, 30);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWindow* handle() { return window.windowHandle(); }
};

TEST_F(FrmMainCommands, OnlyTheBuiltButtonsExistAndAreNamed) {
    for (int i = 0; i < kCommandButtons; ++i) {
        const bool built = i >= kOptionsButton && i <= kLogViewerButton;
        EXPECT_EQ(window.hasCommandButton(i), built) << i;
        EXPECT_EQ(window.commandButton(i) != nullptr, built) << i;
    }
    EXPECT_FALSE(window.hasCommandButton(-1));
    EXPECT_FALSE(window.hasCommandButton(kCommandButtons));
    EXPECT_EQ(window.commandButton(kOptionsButton)->accessibleName(), "Settings");
    EXPECT_EQ(window.commandButton(kFanMenuButton)->accessibleName(), "Fan menu");
    EXPECT_EQ(window.commandButton(kPumpMenuButton)->accessibleName(), "Pump menu");
    EXPECT_EQ(window.commandButton(kAlarmButton)->accessibleName(), "Alarm settings");
    EXPECT_EQ(window.commandButton(kShutdownButton)->accessibleName(), "Shutdown settings");
    EXPECT_EQ(window.commandButton(kRecordingButton)->accessibleName(), "Recording settings");
    EXPECT_EQ(window.commandButton(kLogViewerButton)->accessibleName(), "Log viewer");
    EXPECT_LT(window.commandButton(kShutdownButton)->geometry().right(),
              window.commandButton(kFanMenuButton)->geometry().left());
    EXPECT_EQ(window.commandButton(kFanMenuButton)->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    // In the header band, in the order of their indexes, clear of the link status.
    const QRect fan = window.commandButton(kFanMenuButton)->geometry();
    const QRect pump = window.commandButton(kPumpMenuButton)->geometry();
    EXPECT_LT(fan.right(), pump.left());
    EXPECT_LE(pump.bottom(), twipsToPixels(900, 15));
    EXPECT_LT(pump.right(), window.linkStatusLabel()->geometry().left());
    EXPECT_LT(window.commandButton(kLogViewerButton)->geometry().right(), window.linkStatusLabel()->geometry().left());
}

TEST_F(FrmMainCommands, KeysOnTheWindowGoToTheCoreWhateverHasTheFocus) {
    window.focusCommandButton(kPumpMenuButton);
    EXPECT_EQ(window.focusWidget(), window.commandButton(kPumpMenuButton));
    QTest::keyClick(handle(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(handle(), Qt::Key_F1);
    window.focusNameBox(3);
    EXPECT_EQ(window.focusWidget(), window.nameBox(3));
    QTest::keyClick(handle(), Qt::Key_X, Qt::ControlModifier);
    const std::vector<KeyPress> expected = {{Key::Letter, 'F', KeyModifiers::Other},
                                            {Key::F1, 0, KeyModifiers::None},
                                            {Key::Letter, 'X', KeyModifiers::Other}};
    ASSERT_EQ(keys.size(), expected.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_TRUE(keys[i] == expected[i]) << i;
}

TEST_F(FrmMainCommands, ANameBoxBeingEditedKeepsItsLetters) {
    QLineEdit* box = window.nameBox(14);
    box->setReadOnly(false);
    box->clear();
    window.focusNameBox(14);
    swallow = true;
    QTest::keyClick(handle(), 'T', Qt::ShiftModifier);
    QTest::keyClick(handle(), 'a');
    QTest::keyClick(handle(), Qt::Key_F3);
    EXPECT_EQ(box->text(), "Ta");
    ASSERT_EQ(keys.size(), 1u); // only F3 is offered to the core
    EXPECT_EQ(keys[0].key, Key::F3);
}

TEST_F(FrmMainCommands, ArrowsOnACommandButtonGoToTheCoreUnlessTheWindowTookThem) {
    window.focusCommandButton(kFanMenuButton);
    QTest::keyClick(handle(), Qt::Key_Down);
    QTest::keyClick(handle(), Qt::Key_Up); // not a command button key
    window.focusCommandButton(kPumpMenuButton);
    QTest::keyClick(handle(), Qt::Key_Left);
    swallow = true;
    QTest::keyClick(handle(), Qt::Key_Right);
    EXPECT_EQ(buttonKeys,
              (std::vector<std::pair<int, Key>>{{kFanMenuButton, Key::Down}, {kPumpMenuButton, Key::Left}}));
    EXPECT_EQ(keys.size(), 4u);
}

TEST_F(FrmMainCommands, ButtonClicksAndChosenItemsAreForwarded) {
    std::vector<int> clicks;
    std::vector<std::tuple<OutputKind, int, int>> chosen;
    window.onCommandButtonClicked = [&](int i) { clicks.push_back(i); };
    window.onOutputItemChosen = [&](OutputKind k, int unit, int item) { chosen.emplace_back(k, unit, item); };
    QTest::mouseClick(window.commandButton(kPumpMenuButton), Qt::LeftButton);
    window.commandButton(kFanMenuButton)->setFocus();
    QTest::keyClick(window.commandButton(kFanMenuButton), Qt::Key_Space);
    EXPECT_EQ(clicks, (std::vector<int>{kPumpMenuButton, kFanMenuButton}));

    window.popupOutputMenu(OutputKind::Pump);
    window.outputMenu(OutputKind::Pump)->submenu(0)->actions().at(3)->trigger();
    EXPECT_EQ(chosen, (std::vector<std::tuple<OutputKind, int, int>>{{OutputKind::Pump, 0, 3}}));
}

TEST_F(FrmMainCommands, MenusOpenUnderTheirButtonsWithTheStoredState) {
    for (int tpp : {15, 12}) {
        window.applyLayout(computeFormLayout(2, tpp));
        for (OutputKind kind : {OutputKind::Fan, OutputKind::Pump}) {
            const int index = kind == OutputKind::Fan ? kFanMenuButton : kPumpMenuButton;
            OutputPopupMenu* menu = window.outputMenu(kind);
            window.popupOutputMenu(kind);
            ASSERT_TRUE(menu->isVisible());
            EXPECT_EQ(menu->pos() - window.pos(),
                      QPoint(window.commandButton(index)->x(), twipsToPixels(830, tpp)));
            menu->close();
        }
    }
    settings.sys.BoardType = 1;
    window.popupOutputMenu(OutputKind::Fan);
    EXPECT_FALSE(
        window.outputMenu(OutputKind::Fan)->actions().at(4)->isVisible()); // built afresh: Fan5 hidden
}

TEST_F(FrmMainCommands, DisabledMenusNeitherOpenNorStayOpen) {
    window.popupOutputMenu(OutputKind::Fan);
    OutputPopupMenu* fans = window.outputMenu(OutputKind::Fan);
    fans->setActiveAction(fans->submenu(0)->menuAction());
    ASSERT_TRUE(fans->submenu(0)->isVisible());
    window.setOutputMenusEnabled(false);
    EXPECT_FALSE(fans->isVisible());
    EXPECT_FALSE(fans->submenu(0)->isVisible());
    window.popupOutputMenu(OutputKind::Pump);
    EXPECT_FALSE(window.outputMenu(OutputKind::Pump)->isVisible());
    EXPECT_FALSE(window.commandButton(kFanMenuButton)->isEnabled());
    EXPECT_FALSE(window.commandButton(kPumpMenuButton)->isEnabled());
    window.setOutputMenusEnabled(true);
    window.popupOutputMenu(OutputKind::Pump);
    EXPECT_TRUE(window.outputMenu(OutputKind::Pump)->isVisible());
}

// The window with its open menus as one picture, the way the desktop shows them.
QImage composite(FrmMain& window, const std::vector<QWidget*>& menus) {
    QRect area = window.geometry();
    for (QWidget* m : menus)
        area |= m->geometry();
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(QColor(58, 64, 72));
    QPainter p(&image);
    p.drawPixmap(window.pos() - area.topLeft(), window.grab());
    for (QWidget* m : menus)
        p.drawPixmap(m->pos() - area.topLeft(), m->grab());
    return image;
}

// With VRX_SCREENSHOT_DIR set, writes the pictures of the menus used in the documentation.
TEST_F(FrmMainCommands, Screenshot) {
    const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VRX_SCREENSHOT_DIR not set";
    const char* names[] = {"Ch 1", "Ch 2", "Ch 3",  "Ch 4",  "Ch 5",  "Ch 6",  "Ch 7",
                           "Ch 8", "Ch 9", "Ch 10", "Flow1", "Pump1", "Flow2", "Pump2",
                           "Fan1", "Fan2", "Fan3",  "Fan4",  "Fan5",  "Fan6"};
    for (int i = 0; i < 20; ++i)
        window.setNameBox(i, names[i]);
    window.setLinkStatus("COM 1");
    window.setVersionLabel("vrx controller link v.2.1.30 f14.");
    window.setActivityImageVisible(false);
    StatusDisplay readings;
    readings.temperatureRows = 10;
    readings.fanRows = 6;
    readings.deviceRows = 2;
    for (std::size_t i = 0; i < 10; ++i)
        readings.temps[i] = {std::to_string(33 + 2 * i) + " C", 62 + 2 * static_cast<int>(i)};
    for (auto& fan : readings.fans)
        fan = {"1,140 RPM", 60};
    for (auto& pump : readings.pumps)
        pump = {"3,540 RPM", "Level 10 (12.73v)", 32};
    for (auto& flow : readings.flows)
        flow = {"4.6 LPM", "4.6"};
    window.showStatus(readings);
    for (auto& level : settings.fan.FanLevel)
        level = 8;
    struct Shot {
        OutputKind kind;
        int openUnit;
        const char* file;
    };
    for (const Shot& shot :
         {Shot{OutputKind::Fan, 0, "/fan-menu.png"}, Shot{OutputKind::Pump, 0, "/pump-menu.png"}}) {
        window.popupOutputMenu(shot.kind);
        OutputPopupMenu* menu = window.outputMenu(shot.kind);
        QMenu* sub = menu->submenu(shot.openUnit);
        menu->setActiveAction(sub->menuAction());
        ASSERT_TRUE(sub->isVisible());
        EXPECT_TRUE(composite(window, {menu, sub}).save(QString::fromUtf8(dir) + shot.file));
        menu->close();
    }
}

} // namespace
} // namespace vrx::gui
