#include "frm_xplayer.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "core/log_fixture.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "live_graph_widget.h"
#include "log_chart_widget.h"
#include "recording/log_csv.h"
#include "twips.h"

namespace vrx::gui {
namespace {

class Host : public LogViewerHost {
public:
    std::vector<std::string> errors;
    void logError(const std::string& procedure, int, const std::string&) override { errors.push_back(procedure); }
    void saveSystemFile() override {}
};

// A one-minute recording from the writer: channel 1 climbs, channel 2 and fan 1 hold steady.
std::string recorded(const Settings& s) {
    std::vector<StatusTextArray> lines;
    for (int n = 0; n < 60; ++n)
        lines.push_back(test::readings({std::to_string(20 + n % 30), "35", "", "", "", "", "", "", "", "", "1,500",
                                        "", "", "", "", "", "2,400", "", "3.50", ""}));
    return test::logFile(s, 60, lines);
}

int pixelsOf(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y).rgb() == colour.rgb();
    return n;
}

struct Rig {
    test::FakeFileAccess disk;
    test::FakeDialogs dialogs;
    Host host;
    Settings settings = test::logSettings();
    FrmxPlayer window{settings, dialogs, host, "/vrx/"};
    Rig() {
        disk.folders = {"/logs/", "/vrx/"};
        disk.files["/logs/run.log"] = recorded(settings);
        disk.files["/logs/bad.log"] = "not a recording\r\n";
        // A distinct colour per channel, so a chart's pixels tell which channel drew them.
        settings.temp.TempColor[0] = 0x0000FF;
        settings.temp.TempColor[1] = 0x00FF00;
    }
    void open(const std::string& path) {
        dialogs.nextFiles.push_back(path);
        QTest::mouseClick(window.button(2), Qt::LeftButton);
    }
};

TEST(FrmxPlayer, ALoadedRecordingFillsTheWindowAndAFailedLoadKeepsIt) {
    Rig r;
    r.window.show();
    EXPECT_EQ(r.window.windowTitle(), " Log Viewer");
    EXPECT_FALSE(r.window.button(3)->isEnabled()); // nothing to capture yet
    EXPECT_FALSE(r.window.chkDat(0)->isEnabled());
    EXPECT_EQ(r.window.chkDat(18)->text(), "Flow Meter.1");
    r.open("/logs/run.log");
    ASSERT_NE(r.window.viewer().recording(), nullptr);
    const auto check = [&](const char* when) {
        EXPECT_EQ(r.window.labFileName()->text(), when == std::string("after") ? ".log" : "run.log") << when;
        EXPECT_EQ(r.window.labInterval()->text(), "1 min") << when;
        EXPECT_EQ(r.window.labTime(0)->text(), "06/14/11 14:30:05") << when;
        EXPECT_EQ(r.window.labLogs(1)->text(), "35") << when;
        EXPECT_EQ(r.window.labLogs(10)->text(), "1,500 RPM") << when;
        EXPECT_EQ(r.window.labMax(0)->text(), "49") << when;
        EXPECT_EQ(r.window.slider()->maximum(), 60) << when;
        EXPECT_TRUE(r.window.chkDat(0)->isChecked()) << when;
        EXPECT_TRUE(r.window.button(3)->isEnabled()) << when;
    };
    check("before");
    const QImage before = r.window.chart(0)->grab().toImage();
    EXPECT_GT(pixelsOf(before, fromBgr(0x0000FF)), 0);
    r.open("/logs/bad.log");
    check("after");
    EXPECT_EQ(r.window.chart(0)->grab().toImage(), before);
    EXPECT_EQ(r.host.errors, std::vector<std::string>{"FrmxPlayer.mResetData"});

    // The slider moves the read-outs; unticking a channel takes its line off the chart.
    r.window.slider()->setValue(10);
    EXPECT_EQ(r.window.labLogs(0)->text(), "29");
    EXPECT_EQ(r.window.labPoint()->text(), "00:00:10 [14:30:14]");
    QTest::mouseClick(r.window.chkDat(0), Qt::LeftButton, {}, QPoint(5, r.window.chkDat(0)->height() / 2));
    EXPECT_FALSE(r.window.viewer().shown(0));
    EXPECT_FALSE(r.window.cmdColor(0)->isEnabled());
    EXPECT_EQ(pixelsOf(r.window.chart(0)->grab().toImage(), fromBgr(0x0000FF)), 0);
}

TEST(FrmxPlayer, DoubleClickEnlargesAChartAndDraggingScrollsIt) {
    Rig r;
    r.window.show();
    r.open("/logs/run.log");
    LogChartWidget* fans = r.window.chart(1);
    const QRect slot = fans->geometry();
    QTest::mouseDClick(fans, Qt::LeftButton);
    EXPECT_FALSE(r.window.chart(0)->isVisible());
    EXPECT_GT(fans->height(), slot.height() * 4);
    EXPECT_EQ(r.window.labCaption(1)->geometry().bottom() + 1, fans->geometry().top());
    QTest::mouseDClick(fans, Qt::LeftButton);
    EXPECT_EQ(fans->geometry(), slot);
    EXPECT_TRUE(r.window.chart(0)->isVisible());
    const int top = r.window.viewer().top(LogChart::Fans);
    QTest::mousePress(fans, Qt::LeftButton, {}, QPoint(50, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 40), fans->mapToGlobal(QPointF(50, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(fans, &move);
    QTest::mouseRelease(fans, Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_EQ(r.window.viewer().top(LogChart::Fans), top + 30 * screenTwipsPerPixel());
}

TEST(FrmxPlayer, CaptureWritesFourPicturesAndExportWritesTheCsv) {
    Rig r;
    r.open("/logs/run.log");
    r.disk.files["/vrx/run_Pump.BMP"] = "old";
    r.dialogs.nextSaveFiles = {"/vrx/run.bmp", "/logs/run.csv"};
    r.dialogs.nextAnswers = {BoxAnswer::Yes};
    QTest::mouseClick(r.window.button(3), Qt::LeftButton);
    ASSERT_EQ(r.dialogs.standard.size(), 2u);
    EXPECT_EQ(r.dialogs.standard[0].text, "/vrx/run_Pump.BMP already exists.\nDo you want to replace it?");
    EXPECT_EQ(r.dialogs.standard[1].title, " Log Viewer");
    for (const char* name : {"/vrx/run_Temp.BMP", "/vrx/run_Fan.BMP", "/vrx/run_Pump.BMP", "/vrx/run_Flow.BMP"}) {
        const std::string& bytes = r.disk.files[name];
        QImage picture;
        ASSERT_TRUE(picture.loadFromData(QByteArray::fromStdString(bytes), "BMP")) << name;
        EXPECT_EQ(picture.size(), QSize(549, 620)) << name;
    }
    // The picture holds the whole surface: channel 1's line and its legend box.
    QImage temp;
    temp.loadFromData(QByteArray::fromStdString(r.disk.files["/vrx/run_Temp.BMP"]), "BMP");
    EXPECT_GT(pixelsOf(temp, fromBgr(0x0000FF)), 100);

    QTest::mouseClick(r.window.button(5), Qt::LeftButton);
    EXPECT_EQ(r.dialogs.saveRequests.back().name, "run.csv");
    EXPECT_EQ(r.disk.files["/logs/run.csv"], recordingCsv(*r.window.viewer().recording()));
}

TEST(FrmxPlayer, EveryControlIsNamed) {
    Rig r;
    r.open("/logs/run.log");
    for (QWidget* w : r.window.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QSlider*>(w) || qobject_cast<LogChartWidget*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
    if (const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR"); !dir.isEmpty()) {
        r.window.show();
        r.window.slider()->setValue(25);
        r.window.grab().save(QString::fromUtf8(dir) + "/log-viewer.png");
    }
}

} // namespace
} // namespace vrx::gui

namespace vrx::gui {
namespace {

TEST(FrmxPlayer, ArrowsWalkTheButtonsPastDisabledOnesAndEscapeCloses) {
    Rig r;
    r.window.show();
    QApplication::setActiveWindow(&r.window);
    r.window.button(2)->setFocus();
    QTest::keyClick(r.window.button(2), Qt::Key_Right); // Capture is off before a load
    EXPECT_TRUE(r.window.button(4)->hasFocus());
    QTest::keyClick(r.window.button(4), Qt::Key_Left);
    EXPECT_TRUE(r.window.button(2)->hasFocus());
    QTest::keyClick(r.window.button(2), Qt::Key_Escape);
    EXPECT_FALSE(r.window.isVisible());
    EXPECT_NE(r.settings.sys.WindowPos[2] | r.settings.sys.WindowPos[3], 0);
}

} // namespace
} // namespace vrx::gui
