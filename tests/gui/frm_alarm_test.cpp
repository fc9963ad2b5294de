#include "frm_alarm.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

#include "fakes/fake_alarm_sound.h"
#include "fakes/fake_dialogs.h"
#include "fakes/default_settings.h"

namespace vrx::gui {
namespace {

using test::defaults;

AlarmSettings loaded(const Settings& s = defaults()) {
    AlarmSettings a;
    a.mFirstSetup(s);
    return a;
}

struct Rig {
    test::FakeDialogs dialogs;
    test::FakeAlarmSound sound;
};

// Runs the dialog modally and acts on it once its event loop is running.
int run(AlarmSettings& editor, Rig& rig, const std::function<void(FrmAlarm&)>& act) {
    FrmAlarm dialog(nullptr, editor, false, rig.dialogs, rig.sound);
    QTimer::singleShot(0, &dialog, [&dialog, &act] { act(dialog); });
    return dialog.exec();
}

// Picks `item` of the popup menu the next action opens.
void pickFromNextMenu(const QString& item) {
    QTimer::singleShot(0, [item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->text() == item) a->trigger();
        menu->close();
    });
}

TEST(FrmAlarm, FillsFromTheEditorAndHidesWhatASmallBoardLacks) {
    Settings s = defaults(2);
    s.sys.AlarmMute = kTrue;
    s.temp.TempName[1] = "GPU";
    s.temp.TempAlarmOn[1] = 0;
    s.temp.TempAlarmLimit[1] = 61;
    s.temp.TempWavTitle[2] = "siren.wav";
    s.temp.TempWavFile[2] = "/s/siren.wav";
    s.pump.FlowUnit = 2;
    s.pump.PumpAlarmLimit[0] = "1500";
    AlarmSettings full = loaded(s);
    Rig rig;
    FrmAlarm d(nullptr, full, true, rig.dialogs, rig.sound);
    EXPECT_EQ(d.windowTitle(), " Alarm");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(d.optAlarm(0)->isChecked());
    EXPECT_EQ(d.optAlarm(0)->text(), "Silent (F5)");
    EXPECT_EQ(d.optAlarm(1)->text(), "Alarm (F6)");
    EXPECT_EQ(d.channelBox(1)->text(), "GPU");
    EXPECT_FALSE(d.channelBox(1)->isChecked());
    EXPECT_TRUE(d.channelBox(0)->isChecked());
    EXPECT_FALSE(d.allBox()->isChecked());
    EXPECT_EQ(d.slider(1)->value(), 61);
    EXPECT_EQ(d.slider(1)->maximum(), 99);
    EXPECT_EQ(d.slider(0)->pageStep(), 1);
    EXPECT_EQ(d.slider(1)->pageStep(), 5);
    EXPECT_EQ(d.valueLabel(1)->text(), "61   C");
    EXPECT_EQ(d.soundLabel(2)->text(), "siren.wav");
    EXPECT_EQ(d.soundLabel(2)->toolTip(), " /s/siren.wav ");
    EXPECT_FALSE(d.playButton(0)->isEnabled());
    EXPECT_EQ(d.limitEdit({LimitKind::Pump, 0})->text(), "1,500");
    EXPECT_EQ(d.unitLabel({LimitKind::Flow, 1})->text(), "GPM");
    EXPECT_EQ(d.unitLabel({LimitKind::Pump, 1})->text(), "RPM");
    EXPECT_EQ(d.button(0)->text(), " Save");
    EXPECT_EQ(d.button(1)->text(), " Close");
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QMenu*>(w)) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    }

    AlarmSettings small = loaded(defaults(1));
    FrmAlarm e(nullptr, small, false, rig.dialogs, rig.sound);
    EXPECT_FALSE(e.windowFlags() & Qt::WindowStaysOnTopHint);
    d.show();
    e.show();
    EXPECT_TRUE(e.slider(4)->isVisible());
    EXPECT_FALSE(e.slider(5)->isVisible());
    EXPECT_FALSE(e.soundLabel(9)->isVisible());
    EXPECT_FALSE(e.limitEdit({LimitKind::Pump, 1})->isVisible());
    EXPECT_FALSE(e.deviceBox({LimitKind::Flow, 1})->isVisible());
    EXPECT_TRUE(d.limitEdit({LimitKind::Flow, 1})->isVisible());
    EXPECT_LT(e.height(), d.height());
}

TEST(FrmAlarm, SliderGroupMovesShowInEverySliderAndLabel) {
    Settings s = defaults(2);
    s.sys.SliderGroup = kGroupOn;
    s.temp.TempUnit = 2;
    AlarmSettings editor = loaded(s);
    Rig rig;
    FrmAlarm d(nullptr, editor, false, rig.dialogs, rig.sound);
    d.slider(3)->setValue(59); // +4 from 55
    EXPECT_EQ(d.slider(0)->value(), 59);
    EXPECT_EQ(d.slider(9)->value(), 59);
    EXPECT_EQ(d.valueLabel(9)->text(), "138   F");
    d.show();
    d.slider(0)->setFocus();
    QTest::keyClick(d.slider(0), Qt::Key_Down);
    EXPECT_EQ(d.slider(5)->value(), 58);
}

TEST(FrmAlarm, GroupMenuChoiceIsKeptEvenWhenTheDialogIsClosed) {
    AlarmSettings editor = loaded(); // Group Off by default
    Rig rig;
    const int result = run(editor, rig, [](FrmAlarm& d) {
        pickFromNextMenu("Group On");
        emit d.slider(2)->customContextMenuRequested(QPoint(5, 5));
        d.slider(2)->setValue(60);
        EXPECT_EQ(d.slider(7)->value(), 60);
        d.button(1)->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(editor.sliderGroup(), kGroupOn);
    EXPECT_EQ(editor.limit(7), 55);
}

TEST(FrmAlarm, SoundFileChosenPlayedAndCleared) {
    Settings s = defaults();
    AlarmSettings editor = loaded(s);
    Rig rig;
    rig.dialogs.nextFiles = {"/home/u/bell.wav"};
    rig.sound.playableFiles = {"/home/u/bell.wav"};
    FrmAlarm d(nullptr, editor, false, rig.dialogs, rig.sound);
    d.fileButton(4)->click();
    EXPECT_EQ(d.soundLabel(4)->text(), "bell.wav");
    EXPECT_EQ(d.soundLabel(4)->toolTip(), " /home/u/bell.wav ");
    ASSERT_TRUE(d.playButton(4)->isEnabled());
    d.playButton(4)->click();
    EXPECT_EQ(rig.sound.calls, std::vector<std::string>{"once:/home/u/bell.wav"});

    pickFromNextMenu("Clear");
    emit d.soundLabel(4)->customContextMenuRequested(QPoint(2, 2));
    EXPECT_EQ(d.soundLabel(4)->text(), "");
    EXPECT_FALSE(d.playButton(4)->isEnabled());
}

TEST(FrmAlarm, SaveHandsTheFieldsBackEscCloseAndTheCloseBoxDiscard) {
    struct Case {
        const char* what;
        std::function<void(FrmAlarm&)> finish;
        int result;
        bool silent;
        int limit;
        std::string pump;
    };
    const Case cases[] = {
        {"Save", [](FrmAlarm& d) { d.button(0)->click(); }, QDialog::Accepted, true, 70, "1800"},
        {"Esc", [](FrmAlarm& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected, false, 55,
         "2,000"},
        {"Close", [](FrmAlarm& d) { d.button(1)->click(); }, QDialog::Rejected, false, 55, "2,000"},
        {"close box", [](FrmAlarm& d) { d.close(); }, QDialog::Rejected, false, 55, "2,000"},
    };
    for (const auto& c : cases) {
        AlarmSettings editor = loaded();
        Rig rig;
        const int result = run(editor, rig, [&c](FrmAlarm& d) {
            d.optAlarm(0)->click();
            d.slider(6)->setValue(70);
            QLineEdit* pump = d.limitEdit({LimitKind::Pump, 0});
            pump->selectAll();
            QTest::keyClicks(pump, "1800");
            c.finish(d);
        });
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(editor.silent(), c.silent) << c.what;
        EXPECT_EQ(editor.limit(6), c.limit) << c.what;
        EXPECT_EQ(editor.limits().pump[0].text, c.pump) << c.what;
    }
}

TEST(FrmAlarm, ARefusedBoxKeepsTheDialogOpenWithTheFocusOnIt) {
    AlarmSettings editor = loaded();
    Rig rig;
    bool stayedOpen = false;
    const int result = run(editor, rig, [&stayedOpen](FrmAlarm& d) {
        QApplication::setActiveWindow(&d);
        QLineEdit* flow = d.limitEdit({LimitKind::Flow, 1});
        flow->selectAll();
        QTest::keyClicks(flow, "lots");
        d.button(0)->click();
        stayedOpen = d.isVisible();
        EXPECT_TRUE(flow->hasFocus());
        QTest::keyClicks(flow, "3.5");
        d.button(0)->click();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(rig.dialogs.standard.size(), 1u);
    EXPECT_EQ(rig.dialogs.standard[0].title, "Alarm");
    EXPECT_EQ(editor.limits().flow[1].text, "3.5");
}

TEST(FrmAlarm, EnterWalksSlidersBoxesThenSave) {
    for (const int board : {1, 2}) {
        AlarmSettings editor = loaded(defaults(board));
        Rig rig;
        FrmAlarm d(nullptr, editor, false, rig.dialogs, rig.sound);
        d.show();
        QApplication::setActiveWindow(&d);
        const int last = board * 5 - 1;
        std::vector<QWidget*> expected = {d.slider(1), d.slider(last), d.limitEdit({LimitKind::Pump, 0})};
        if (board == 2) expected.push_back(d.limitEdit({LimitKind::Pump, 1}));
        expected.push_back(d.limitEdit({LimitKind::Flow, 0}));
        if (board == 2) expected.push_back(d.limitEdit({LimitKind::Flow, 1}));
        expected.push_back(d.button(0));
        QWidget* from[] = {d.slider(0), d.slider(last - 1)};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QWidget* w = i < 2 ? from[i] : expected[i - 1];
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
            EXPECT_TRUE(expected[i]->hasFocus()) << "board " << board << " step " << i;
        }
        EXPECT_TRUE(d.isVisible()); // Enter on a field never saves
        QTest::keyClick(d.button(0), Qt::Key_Right);
        EXPECT_TRUE(d.button(1)->hasFocus());
        QTest::keyClick(d.button(1), Qt::Key_Left);
        EXPECT_TRUE(d.button(0)->hasFocus());
    }
}

// With VRX_SCREENSHOT_DIR set, writes the picture of the dialog used in the documentation.
TEST(FrmAlarm, Screenshot) {
    const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VRX_SCREENSHOT_DIR not set";
    Settings s = defaults(2);
    s.temp.TempName[0] = "CPU";
    s.temp.TempName[1] = "GPU";
    s.temp.TempAlarmLimit[0] = 62;
    s.temp.TempAlarmLimit[1] = 75;
    s.temp.TempAlarmOn[7] = 0;
    s.temp.TempWavTitle[0] = "cpu-hot.wav";
    s.temp.TempWavFile[0] = "/home/user/sounds/cpu-hot.wav";
    s.pump.PumpAlarmOn[0] = 1;
    s.pump.FlowAlarmOn[0] = 1;
    AlarmSettings editor = loaded(s);
    Rig rig;
    FrmAlarm d(nullptr, editor, false, rig.dialogs, rig.sound);
    d.show();
    EXPECT_TRUE(d.grab().save(QString::fromUtf8(dir) + "/frm-alarm.png"));
}

} // namespace
} // namespace vrx::gui
