#include "frm_down.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "fakes/fake_dialogs.h"
#include "fakes/default_settings.h"

namespace vrx::gui {
namespace {

using test::defaults;

ShutdownSettings loaded(Settings s = defaults()) {
    ShutdownSettings d;
    d.mFrmDataSet(s);
    return d;
}

int run(ShutdownSettings& editor, test::FakeDialogs& dialogs, const std::function<void(FrmDown&)>& act) {
    FrmDown dialog(nullptr, editor, false, dialogs);
    QTimer::singleShot(0, &dialog, [&dialog, &act] { act(dialog); });
    return dialog.exec();
}

TEST(FrmDown, FillsFromTheEditorAndHidesWhatASmallBoardLacks) {
    Settings s = defaults(2);
    s.temp.TempUnit = 2;
    s.temp.TempName[3] = "Water";
    s.temp.TempShutdownOn[3] = 0;
    s.sys.ShutdownAction = 0;
    s.sys.ShutdownDelay = 20;
    s.pump.PumpShutdownLimit[1] = "2500";
    ShutdownSettings full = loaded(s);
    test::FakeDialogs dialogs;
    FrmDown d(nullptr, full, true, dialogs);
    EXPECT_EQ(d.windowTitle(), " PC Shutdown");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(d.channelBox(3)->text(), "Water");
    EXPECT_FALSE(d.channelBox(3)->isChecked());
    EXPECT_EQ(d.slider(3)->maximum(), 100);
    EXPECT_EQ(d.slider(3)->value(), 58);
    EXPECT_EQ(d.valueLabel(3)->text(), "136");
    EXPECT_EQ(d.unitMark(3)->text(), "  F");
    EXPECT_TRUE(d.optPower(0)->isChecked());
    EXPECT_EQ(d.optPower(0)->text(), "Power Off (Hardware)");
    EXPECT_EQ(d.optPower(1)->text(), "Power Off (OS)");
    ASSERT_EQ(d.delayBox()->count(), 60);
    EXPECT_EQ(d.delayBox()->itemText(0), "60");
    EXPECT_EQ(d.delayBox()->currentText(), "20");
    EXPECT_EQ(d.deviceBox({LimitKind::Pump, 1})->text(), "pump 2");
    EXPECT_EQ(d.deviceBox({LimitKind::Flow, 0})->text(), "Flowmeter 1");
    EXPECT_EQ(d.limitEdit({LimitKind::Pump, 1})->text(), "2,500");
    EXPECT_EQ(d.unitLabel({LimitKind::Flow, 0})->text(), "LPM");
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QMenu*>(w)) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    }

    ShutdownSettings small = loaded(defaults(1));
    FrmDown e(nullptr, small, false, dialogs);
    d.show();
    e.show();
    EXPECT_FALSE(e.slider(5)->isVisible());
    EXPECT_FALSE(e.unitMark(9)->isVisible());
    EXPECT_TRUE(e.unitMark(4)->isVisible());
    EXPECT_FALSE(e.limitEdit({LimitKind::Flow, 1})->isVisible());
    EXPECT_LT(e.height(), d.height());
}

TEST(FrmDown, ASliderMovedOntoItsAlarmStopsOneDegreeAbove) {
    ShutdownSettings editor = loaded(); // alarm 55, shutdown 58, group off
    test::FakeDialogs dialogs;
    FrmDown d(nullptr, editor, false, dialogs);
    d.slider(2)->setValue(30);
    EXPECT_EQ(d.slider(2)->value(), 56);
    EXPECT_EQ(d.valueLabel(2)->text(), "56");
    d.slider(2)->setValue(90);
    EXPECT_EQ(d.valueLabel(2)->text(), "90");
    EXPECT_EQ(d.slider(3)->value(), 58);
}

TEST(FrmDown, SaveHandsTheFieldsBackEscCloseAndTheCloseBoxDiscard) {
    struct Case {
        const char* what;
        std::function<void(FrmDown&)> finish;
        int result;
        int action, delay, limit;
        bool channelOn;
    };
    const Case cases[] = {
        {"Save", [](FrmDown& d) { d.button(0)->click(); }, QDialog::Accepted, 0, 10, 80, false},
        {"Esc", [](FrmDown& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected, 1, 60, 58, true},
        {"Close", [](FrmDown& d) { d.button(1)->click(); }, QDialog::Rejected, 1, 60, 58, true},
        {"close box", [](FrmDown& d) { d.close(); }, QDialog::Rejected, 1, 60, 58, true},
    };
    for (const auto& c : cases) {
        ShutdownSettings editor = loaded();
        test::FakeDialogs dialogs;
        const int result = run(editor, dialogs, [&c](FrmDown& d) {
            d.optPower(0)->click();
            d.delayBox()->setCurrentIndex(50);
            d.slider(8)->setValue(80);
            d.allBox()->click(); // checks all: they start checked, so uncheck first
            d.allBox()->click();
            c.finish(d);
        });
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(editor.action(), c.action) << c.what;
        EXPECT_EQ(editor.delay(), c.delay) << c.what;
        EXPECT_EQ(editor.limit(8), c.limit) << c.what;
        EXPECT_EQ(editor.channelOn(0), c.channelOn) << c.what;
    }
}

TEST(FrmDown, ARefusedBoxKeepsTheDialogOpen) {
    ShutdownSettings editor = loaded();
    test::FakeDialogs dialogs;
    const int result = run(editor, dialogs, [](FrmDown& d) {
        QApplication::setActiveWindow(&d);
        QLineEdit* pump = d.limitEdit({LimitKind::Pump, 0});
        pump->clear();
        d.button(0)->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(pump->hasFocus());
        QTest::keyClicks(pump, "900");
        d.button(0)->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(dialogs.standard.size(), 1u);
    EXPECT_EQ(dialogs.standard[0].title, "PC Shutdown");
    EXPECT_EQ(editor.limits().pump[0].text, "900");
}

// With VRX_SCREENSHOT_DIR set, writes the picture of the dialog used in the documentation.
TEST(FrmDown, Screenshot) {
    const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VRX_SCREENSHOT_DIR not set";
    Settings s = defaults(2);
    s.temp.TempName[0] = "CPU";
    s.temp.TempName[1] = "GPU";
    s.temp.TempShutdownLimit[0] = 70;
    s.temp.TempShutdownLimit[1] = 85;
    s.temp.TempShutdownOn[6] = 0;
    s.pump.PumpShutdownOn[0] = 1;
    s.sys.ShutdownDelay = 30;
    ShutdownSettings editor = loaded(s);
    test::FakeDialogs dialogs;
    FrmDown d(nullptr, editor, false, dialogs);
    d.show();
    EXPECT_TRUE(d.grab().save(QString::fromUtf8(dir) + "/frm-down.png"));
}

} // namespace
} // namespace vrx::gui
