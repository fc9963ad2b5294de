#include <gtest/gtest.h>

#include "frm_main.h"

namespace vrx::gui {
namespace {

QColor textColor(QLabel* label) {
    label->ensurePolished(); // the style sheet reaches the palette when polished
    return label->palette().color(QPalette::WindowText);
}

TEST(FrmMainAlarm, LooksReachTheLabelsAndBars) {
    FrmMain w;
    w.applyLayout(computeFormLayout(2, 15));
    const QColor grey = w.palette().color(QPalette::Disabled, QPalette::WindowText);
    struct Row {
        AlarmLook look;
        QColor text;
        bool redBar;
    };
    for (const Row& r : {Row{AlarmLook::Alarm, QColor(255, 72, 72), true},
                         Row{AlarmLook::NoSensor, grey, false}, Row{AlarmLook::Normal, Qt::white, false}}) {
        w.setTempLook(7, r.look);
        EXPECT_EQ(textColor(w.tempLabel(7)), r.text);
        EXPECT_EQ(w.tempBar(7)->alarm(), r.redBar);
    }
    EXPECT_NE(grey, QColor(Qt::white));

    w.setPumpAlarm(1, true);
    w.setFlowAlarm(0, true);
    EXPECT_EQ(textColor(w.pumpLabel(1)), QColor(255, 72, 72));
    EXPECT_EQ(textColor(w.flowLabel(0)), QColor(255, 72, 72));
    EXPECT_EQ(textColor(w.pumpLabel(3)), textColor(w.pumpLabel(2))); // the drive texts keep their colour
    w.setPumpAlarm(1, false);
    w.setFlowAlarm(0, false);
    EXPECT_EQ(textColor(w.pumpLabel(1)), QColor(Qt::white));
    EXPECT_EQ(textColor(w.flowLabel(0)), QColor(Qt::white));
}

TEST(FrmMainAlarm, ModeImageShowsTheModeInItsToolTip) {
    FrmMain w;
    w.applyLayout(computeFormLayout(1, 15));
    QLabel* image = w.alarmModeImage();
    EXPECT_EQ(image->toolTip(), "Alarm Mode");
    EXPECT_FALSE(image->accessibleName().isEmpty());
    const QImage alarmPicture = image->pixmap().toImage();
    w.setAlarmModeImage(true);
    EXPECT_EQ(image->toolTip(), "Silent Mode");
    EXPECT_NE(image->pixmap().toImage(), alarmPicture);
    w.setAlarmModeImage(false);
    EXPECT_EQ(image->toolTip(), "Alarm Mode");
    EXPECT_EQ(image->pixmap().toImage(), alarmPicture);
    // In the header, clear of the link status and the window buttons.
    EXPECT_FALSE(image->isHidden());
    EXPECT_FALSE(image->geometry().isEmpty());
    EXPECT_FALSE(image->geometry().intersects(w.linkStatusLabel()->geometry()));
    EXPECT_LT(image->geometry().bottom(), twipsToPixels(900, 15));
}

TEST(FrmMainAlarm, Screenshot) {
    const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VRX_SCREENSHOT_DIR not set";
    FrmMain w;
    w.applyLayout(computeFormLayout(2, 15));
    for (int i = 0; i < 20; ++i)
        w.setNameBox(i, i < 10 ? "Ch " + std::to_string(i + 1) : "Device");
    w.setLinkStatus("COM 1");
    StatusDisplay readings;
    readings.temperatureRows = 10;
    readings.fanRows = 6;
    readings.deviceRows = 2;
    for (std::size_t i = 0; i < 10; ++i)
        readings.temps[i] = {std::to_string(35 + 2 * i) + " C", 65 + 2 * static_cast<int>(i)};
    readings.temps[4] = {"S-S", 0};
    for (auto& fan : readings.fans)
        fan = {"2,400 RPM", 100};
    for (auto& pump : readings.pumps)
        pump = {"3,540 RPM", "Level 10 (12.73v)", 32};
    readings.pumps[1].speedText = "";
    for (auto& flow : readings.flows)
        flow = {"4.6 LPM", "4.6"};
    readings.flows[1] = {"0.0 LPM", "0.0"};
    w.showStatus(readings);
    for (int i = 0; i < 10; ++i)
        w.setTempLook(i, i == 4 ? AlarmLook::NoSensor : i >= 8 ? AlarmLook::Alarm : AlarmLook::Normal);
    w.setPumpAlarm(1, true);
    w.setFlowAlarm(1, true);
    w.setAlarmModeImage(true);
    EXPECT_TRUE(w.grab().save(QString::fromUtf8(dir) + "/main-window-alarm.png"));
}

} // namespace
} // namespace vrx::gui
