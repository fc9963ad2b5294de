#include "frm_log.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "fakes/fake_log_host.h"

namespace vrx::gui {
namespace {

constexpr int kRecord = 0, kStop = 1, kClose = 2;

struct Rig {
    test::FakeFileAccess disk;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeLogHost host;
    Settings s;
    ControllerState state;
    std::unique_ptr<LogWriter> writer;
    std::unique_ptr<LogSettings> model;

    explicit Rig(Int16 board = 2) {
        SetDefaults(s, "/vrx/");
        s.sys.BoardType = board;
        s.sys.RecordPeriodIndex = 0;
        s.sys.RecordContinuous = 0;
        disk.folders = {"/vrx/Logs/", "/data/"};
        writer = std::make_unique<LogWriter>(s, state, LogWriterServices{clock, dialogs, host});
        model = std::make_unique<LogSettings>(s, *writer, dialogs);
    }
};

TEST(FrmLog, ShowsTheTextsAndTheSettings) {
    Rig r;
    r.s.sys.RecordPeriodIndex = 2;
    r.s.sys.RecordContinuous = 1;
    r.s.fan.FanRecord[1] = 0;
    FrmLog d(nullptr, *r.model, false);
    EXPECT_EQ(d.windowTitle(), " Log");
    EXPECT_EQ(d.pathBox()->text(), "/vrx/Logs/VRX.log");
    EXPECT_TRUE(d.pathBox()->isReadOnly());
    EXPECT_EQ(d.button(kRecord)->text(), " Record");
    EXPECT_EQ(d.button(kStop)->text(), " Stop");
    EXPECT_EQ(d.button(kClose)->text(), " Close");
    EXPECT_EQ(d.frame(LogGroup::Temp)->title(), "Temperature");
    EXPECT_EQ(d.frame(LogGroup::Flow)->title(), "Flowmeter ");
    EXPECT_EQ(d.channelBox(LogGroup::Temp, 9)->text(), "CH.10");
    EXPECT_EQ(d.channelBox(LogGroup::Fan, 5)->text(), "Fan6");
    EXPECT_EQ(d.channelBox(LogGroup::Pump, 1)->text(), "Pump2");
    EXPECT_EQ(d.channelBox(LogGroup::Flow, 0)->text(), "Flow1");
    EXPECT_EQ(d.continuousBox()->text(), "Yes");
    EXPECT_TRUE(d.continuousBox()->isChecked());
    EXPECT_EQ(d.periodList()->count(), 4);
    EXPECT_EQ(d.periodList()->itemText(3), "1 hour");
    EXPECT_EQ(d.periodList()->currentIndex(), 2);
    EXPECT_FALSE(d.channelBox(LogGroup::Fan, 1)->isChecked());
    EXPECT_TRUE(d.channelBox(LogGroup::Fan, 0)->isChecked());
    EXPECT_TRUE(d.button(kRecord)->isEnabled());
    EXPECT_FALSE(d.button(kStop)->isEnabled());
    EXPECT_EQ(d.channelBox(LogGroup::Flow, 1)->accessibleName(), "Flowmeter Flow2");
    for (QWidget* w : std::initializer_list<QWidget*>{d.folderButton(), d.continuousBox(), d.periodList(),
                                                      d.pathBox(), d.button(kRecord), d.button(kStop), d.button(kClose)})
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
}

TEST(FrmLog, ControlsWriteTheirSettingsAtOnce) {
    Rig r;
    FrmLog d(nullptr, *r.model, false);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.channelBox(LogGroup::Pump, 1)->click();
    EXPECT_EQ(r.s.pump.PumpRecord[1], 0);
    d.continuousBox()->click();
    EXPECT_EQ(r.s.sys.RecordContinuous, 1);
    d.periodList()->setFocus();
    QTest::keyClick(d.periodList(), Qt::Key_Down);
    EXPECT_EQ(r.s.sys.RecordPeriodIndex, 1);
}

TEST(FrmLog, SmallBoardHidesAbsentChannelsAndIsShorter) {
    Rig large(2), small(1);
    FrmLog a(nullptr, *large.model, false), b(nullptr, *small.model, false);
    a.show();
    b.show();
    const struct {
        LogGroup group;
        int size, shown;
    } cases[] = {{LogGroup::Temp, 10, 5}, {LogGroup::Fan, 6, 3}, {LogGroup::Pump, 2, 1}, {LogGroup::Flow, 2, 1}};
    for (const auto& c : cases) {
        for (int i = 0; i < c.size; ++i) {
            EXPECT_TRUE(a.channelBox(c.group, i)->isVisible());
            EXPECT_EQ(b.channelBox(c.group, i)->isVisible(), i < c.shown) << i;
        }
    }
    EXPECT_LT(b.height(), a.height());
}

TEST(FrmLog, FolderButtonShowsTheChosenFile) {
    Rig r;
    FrmLog d(nullptr, *r.model, false);
    r.dialogs.nextSaveFiles = {"/data/run1.log"};
    d.folderButton()->click();
    EXPECT_EQ(d.pathBox()->text(), "/data/run1.log");
    d.folderButton()->click(); // cancelled: no change
    EXPECT_EQ(d.pathBox()->text(), "/data/run1.log");
    EXPECT_EQ(r.dialogs.saveRequests.size(), 2u);
}

TEST(FrmLog, RecordLocksStopUnlocksAndTheCheckNoticesTheEnd) {
    Rig r;
    FrmLog d(nullptr, *r.model, false);
    d.button(kRecord)->click();
    ASSERT_TRUE(r.writer->recording());
    EXPECT_FALSE(d.button(kRecord)->isEnabled());
    EXPECT_TRUE(d.button(kStop)->isEnabled());
    EXPECT_FALSE(d.frame(LogGroup::Temp)->isEnabled());
    EXPECT_FALSE(d.periodList()->isEnabled());
    EXPECT_FALSE(d.folderButton()->isEnabled());
    EXPECT_TRUE(d.checkTimer()->isActive());
    EXPECT_EQ(d.checkTimer()->interval(), 1000);
    d.button(kStop)->click();
    EXPECT_FALSE(r.writer->recording());
    EXPECT_TRUE(d.button(kRecord)->isEnabled());
    EXPECT_TRUE(d.frame(LogGroup::Fan)->isEnabled());
    EXPECT_FALSE(d.checkTimer()->isActive());

    d.button(kRecord)->click();
    for (int i = 0; i < 61; ++i) r.writer->TimerLog_Timer(); // a one-minute file fills up
    ASSERT_FALSE(r.writer->recording());
    QTest::qWait(1100); // one TimCheck tick
    EXPECT_TRUE(d.button(kRecord)->isEnabled());
    EXPECT_FALSE(d.button(kStop)->isEnabled());
    EXPECT_FALSE(d.checkTimer()->isActive());
}

TEST(FrmLog, ClosingKeepsTheRecordingAndReopeningShowsIt) {
    Rig r;
    for (const int key : {int(Qt::Key_Escape), -1}) {
        FrmLog d(nullptr, *r.model, false);
        QTimer::singleShot(0, &d, [&d, key] {
            if (d.button(kRecord)->isEnabled()) d.button(kRecord)->click();
            if (key < 0) d.button(kClose)->click();
            else QTest::keyClick(&d, Qt::Key(key));
        });
        EXPECT_EQ(d.exec(), QDialog::Rejected);
        EXPECT_TRUE(r.writer->recording());
    }
    FrmLog again(nullptr, *r.model, false);
    EXPECT_FALSE(again.button(kRecord)->isEnabled());
    EXPECT_TRUE(again.button(kStop)->isEnabled());
    EXPECT_TRUE(again.frame(LogGroup::Temp)->isEnabled());
    EXPECT_TRUE(again.folderButton()->isEnabled());
    EXPECT_FALSE(again.checkTimer()->isActive());
}

TEST(FrmLog, ArrowKeysSkipDisabledButtons) {
    Rig r;
    FrmLog d(nullptr, *r.model, false);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.button(kRecord)->setFocus();
    QTest::keyClick(d.button(kRecord), Qt::Key_Right); // Stop is disabled
    EXPECT_TRUE(d.button(kClose)->hasFocus());
    QTest::keyClick(d.button(kClose), Qt::Key_Left);
    EXPECT_TRUE(d.button(kRecord)->hasFocus());
}

} // namespace
} // namespace vrx::gui
