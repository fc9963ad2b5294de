#include "frm_auto.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "auto_curve_plot.h"
#include "link/status_frame.h"
#include "fakes/default_settings.h"

namespace vrx::gui {
namespace {

using test::defaults;

AutoEditor loaded(OutputKind kind, int unit, const Settings& s = defaults(), int noSensorChannel = -1) {
    StatusArray st{};
    for (std::size_t c = 0; c < 10; ++c)
        st[st::Temp + c] = 92;
    if (noSensorChannel >= 0) st[st::Temp + static_cast<std::size_t>(noSensorChannel)] = 254;
    AutoEditor e(kind, unit);
    e.Form_Load(s, st);
    return e;
}

int run(AutoEditor& editor, const std::function<void(FrmAuto&)>& act) {
    FrmAuto dialog(nullptr, editor, false);
    QTimer::singleShot(0, &dialog, [&dialog, &act] { act(dialog); });
    return dialog.exec();
}

// Press on a handle, move to `to` (widget pixels), release: a user's drag.
void drag(AutoCurvePlot* plot, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(plot, button, Qt::NoModifier, from);
    QTest::mouseMove(plot, (from + to) / 2);
    QTest::mouseMove(plot, to);
    QTest::mouseRelease(plot, button, Qt::NoModifier, to);
}

TEST(FrmAuto, FillsChannelsAndHysteresisFromTheEditor) {
    Settings s = defaults(1);
    s.fan.FanAutoSensor[2] = 3;
    AutoEditor small = loaded(OutputKind::Fan, 2, s, 1);
    FrmAuto d1(nullptr, small, false);
    EXPECT_EQ(d1.windowTitle(), " Fan2 - Auto Mode Setting");
    EXPECT_TRUE(d1.channelButton(3)->isChecked());
    EXPECT_FALSE(d1.channelButton(1)->isEnabled());
    EXPECT_TRUE(d1.channelButton(4)->isEnabled());
    EXPECT_TRUE(d1.channelButton(5)->isHidden());
    EXPECT_TRUE(d1.hysteresisBox()->isChecked());
    EXPECT_EQ(d1.channelButton(9)->accessibleName(), "CH. 10");

    AutoEditor full = loaded(OutputKind::Fan, 2, defaults(2));
    FrmAuto d2(nullptr, full, false);
    EXPECT_FALSE(d2.channelButton(9)->isHidden());
    d1.show();
    d2.show();
    EXPECT_LT(d1.height(), d2.height()); // the small board's window is shorter
}

TEST(FrmAuto, DraggedHandlesGoThroughTheEditorAndSaveHandsThemBack) {
    struct Case {
        const char* what;
        bool power;
        int k;
        QPoint by;
        Qt::MouseButton button;
        int temp1, power0; // the editor's T1 and P0 after Save
    };
    // Default curve 15/55/85 C, 30/50/90 %.
    const Case cases[] = {
        {"T1 dragged far left stops 1 4/9 C after T0", false, 1, {-400, 0}, Qt::LeftButton, 16, 30},
        {"T1 dragged 10 C right", false, 1, {45, 0}, Qt::LeftButton, 65, 30},
        {"P0 dragged far up stops 1.2 % below P1", true, 0, {0, -300}, Qt::LeftButton, 55, 49},
        {"right button moves nothing", false, 1, {-100, 0}, Qt::RightButton, 55, 30},
        {"grabbed and released in place", true, 0, {0, 0}, Qt::LeftButton, 55, 30},
    };
    for (const auto& c : cases) {
        AutoEditor editor = loaded(OutputKind::Fan, 1);
        const int result = run(editor, [&c](FrmAuto& d) {
            AutoCurvePlot* plot = d.plot();
            const QPoint from = c.power ? plot->powerHandleCentre(c.k) : plot->temperatureHandleCentre(c.k);
            drag(plot, from, from + c.by, c.button);
            d.button(0)->click();
        });
        EXPECT_EQ(result, QDialog::Accepted) << c.what;
        EXPECT_EQ(editor.temperature(1), c.temp1) << c.what;
        EXPECT_EQ(editor.power(0), c.power0) << c.what;
        Settings s = defaults();
        editor.save(s);
        EXPECT_EQ(s.fan.FanAutoTempMid[1], c.temp1) << c.what;
        EXPECT_EQ(s.fan.FanAutoLevelLow[1], c.power0) << c.what;
    }
}

TEST(FrmAuto, SaveTakesChannelAndCheckBoxEscAndCloseDiscard) {
    struct Case {
        const char* what;
        std::function<void(FrmAuto&)> finish;
        int result, channel, temp0;
        bool noHysteresis;
    };
    const Case cases[] = {
        {"Save", [](FrmAuto& d) { d.button(0)->click(); }, QDialog::Accepted, 6, 25, false},
        {"Esc", [](FrmAuto& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected, 0, 15, true},
        {"Close", [](FrmAuto& d) { d.button(1)->click(); }, QDialog::Rejected, 0, 15, true},
        {"close box", [](FrmAuto& d) { d.close(); }, QDialog::Rejected, 0, 15, true},
    };
    for (const auto& c : cases) {
        AutoEditor editor = loaded(OutputKind::Pump, 0);
        const int result = run(editor, [&c](FrmAuto& d) {
            d.channelButton(6)->click();
            d.hysteresisBox()->click();
            const QPoint from = d.plot()->temperatureHandleCentre(0);
            drag(d.plot(), from, from + QPoint(45, 0));
            c.finish(d);
        });
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(editor.channel(), c.channel) << c.what;
        EXPECT_EQ(editor.temperature(0), c.temp0) << c.what;
        EXPECT_EQ(editor.noHysteresis(), c.noHysteresis) << c.what;
    }
}

// With VRX_SCREENSHOT_DIR set, writes the picture of the dialog used in the documentation.
TEST(FrmAuto, Screenshot) {
    const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VRX_SCREENSHOT_DIR not set";
    AutoEditor editor = loaded(OutputKind::Fan, 3, defaults(2), 8);
    editor.dragTemperature(1, 2250);
    editor.dragPower(2, 375);
    FrmAuto d(nullptr, editor, false);
    d.show();
    EXPECT_TRUE(d.grab().save(QString::fromUtf8(dir) + "/frm-auto.png"));
}

} // namespace
} // namespace vrx::gui
