#include "frm_options.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_serial_port.h"
#include "frm_main.h"
#include "options_wiring.h"
#include "program_rig.h"
#include "settings/system_file.h"
#include "fakes/default_settings.h"

namespace vrx::gui {
namespace {

using test::defaults;

OptionsEditor loaded(const Settings& s = defaults(), Int16 scanAttempts = 60) {
    LinkState link;
    link.ScanAttempts = scanAttempts;
    OptionsEditor e;
    e.mOpenCFG(s, link, {{3, "3  (/dev/ttyS2)"}, {34, "34  (/dev/ttyUSB1)"}});
    return e;
}

// Runs the dialog modally and acts on it once its event loop is running.
int run(FrmOptions& dialog, const std::function<void(FrmOptions&)>& act) {
    QTimer::singleShot(0, &dialog, [&dialog, &act] { act(dialog); });
    return dialog.exec();
}

void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TEST(FrmOptions, ShowsTheSettingsNamesEveryControlAndHidesWhatASmallBoardLacks) {
    Settings s = defaults(2);
    s.sys.FixedComPort = 34;
    s.temp.TempName[2] = "GPU";
    s.temp.TempOffset[2] = -4;
    s.sys.StartHidden = kTrue;
    s.pump.FlowMeterModel[1] = 2;
    s.sys.CycleMode = 0;
    OptionsEditor full = loaded(s);
    test::FakeDialogs dialogs;
    FrmOptions d(nullptr, full, dialogs, true, [](const OptionsEditor&) { return true; });
    EXPECT_EQ(d.windowTitle(), " Setting");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(d.portBox()->currentText(), "34");
    EXPECT_EQ(d.portBox()->count(), 2);
    EXPECT_EQ(d.portBox()->itemText(1), "34  (/dev/ttyUSB1)");
    EXPECT_TRUE(d.fixedBox()->isChecked());
    EXPECT_EQ(d.portLabel()->text(), "OFF");
    EXPECT_EQ(d.scanButton()->text(), "Scan");
    EXPECT_TRUE(d.option("OptTray", 1)->isChecked());
    EXPECT_TRUE(d.option("OptFlow2", 2)->isChecked());
    EXPECT_TRUE(d.option("OptCycle", 0)->isChecked());
    EXPECT_EQ(d.option("OptCycle", 0)->text(), "Auto-cycle ");
    EXPECT_EQ(d.offsetEdit(2)->text(), "-4");
    EXPECT_EQ(d.offsetBar(2)->value(), 4);
    EXPECT_EQ(d.offsetEdit(2)->accessibleName(), "Temperature offset of GPU");
    EXPECT_EQ(d.seriesBox(Swatch::Temp, 9)->text(), "Ch 10");
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QMenu*>(w)) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }

    OptionsEditor small = loaded(defaults(1));
    FrmOptions e(nullptr, small, dialogs, false, [](const OptionsEditor&) { return true; });
    EXPECT_FALSE(e.windowFlags() & Qt::WindowStaysOnTopHint);
    d.show();
    e.show();
    EXPECT_TRUE(e.offsetEdit(4)->isVisible());
    EXPECT_FALSE(e.offsetEdit(5)->isVisible());
    EXPECT_FALSE(e.seriesBox(Swatch::Temp, 5)->isVisible());
    EXPECT_TRUE(e.seriesBox(Swatch::Fan, 2)->isVisible());
    EXPECT_FALSE(e.swatch(Swatch::Fan, 3)->isVisible());
    EXPECT_FALSE(e.seriesBox(Swatch::Pump, 1)->isVisible());
    EXPECT_FALSE(e.swatch(Swatch::Flow, 1)->isVisible());
    EXPECT_FALSE(e.option("OptHose2", 1)->isVisible());
    EXPECT_TRUE(d.option("OptHose2", 1)->isVisible());
    EXPECT_LE(e.height(), d.height());
}

TEST(FrmOptions, EditsReachTheEditorOnlyOnSave) {
    struct Case {
        const char* what;
        std::function<void(FrmOptions&)> finish;
        int result;
        bool changed;
    };
    const Case cases[] = {
        {"Save", [](FrmOptions& d) { d.button(0)->click(); }, QDialog::Accepted, true},
        {"Close", [](FrmOptions& d) { d.button(1)->click(); }, QDialog::Rejected, false},
        {"Esc", [](FrmOptions& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OptionsEditor editor = loaded();
        const OptionValues before = editor.values();
        test::FakeDialogs dialogs;
        dialogs.nextColors = {0x00AA00, 0x112233};
        FrmOptions d(nullptr, editor, dialogs, false, [](const OptionsEditor&) { return true; });
        const int result = run(d, [&c](FrmOptions& d) {
            d.portBox()->setCurrentIndex(1);
            emit d.portBox()->activated(1); // picking an entry leaves only its number
            EXPECT_EQ(d.portBox()->currentText(), "34");
            d.fixedBox()->click();
            retype(d.offsetEdit(0), "12");
            d.offsetBar(1)->setValue(-30);
            EXPECT_EQ(d.offsetEdit(1)->text(), "30");
            d.option("OptTemp", 2)->click();
            d.option("OptHose1", 2)->click();
            d.option("OptSec", 3)->click();
            d.seriesBox(Swatch::Fan, 4)->click();
            d.swatch(Swatch::Pump, 1)->click();
            d.swatch(Swatch::Graph, kGraphGrid)->click();
            d.logBox()->click();
            c.finish(d);
        });
        EXPECT_EQ(result, c.result);
        const OptionValues& v = editor.values();
        if (!c.changed) {
            EXPECT_EQ(v, before);
            continue;
        }
        EXPECT_EQ(v.portText, "34");
        EXPECT_TRUE(v.fixedPort);
        EXPECT_EQ(v.offsetText[0], "12");
        EXPECT_EQ(v.offsetText[1], "30");
        EXPECT_EQ(v.tempUnit, 2);
        EXPECT_EQ(v.tubeSize[0], 2);
        EXPECT_EQ(v.cycleTimeIndex, 3);
        EXPECT_FALSE(v.fanGraph[4]);
        EXPECT_EQ(v.pumpColor[1], 0x00AA00);
        EXPECT_EQ(v.graphColor[kGraphGrid], 0x112233);
        EXPECT_FALSE(v.debugLog);
        EXPECT_EQ(dialogs.colorRequests, (std::vector<std::int32_t>{DefaultPalette[6], 0x404040}));
    }
}

TEST(FrmOptions, ARefusedFieldKeepsTheDialogOpenWithTheFocusOnIt) {
    OptionsEditor editor = loaded();
    test::FakeDialogs dialogs;
    FrmOptions d(nullptr, editor, dialogs, false, [](const OptionsEditor&) { return true; });
    bool stayedOpen = false;
    const int result = run(d, [&stayedOpen](FrmOptions& d) {
        QApplication::setActiveWindow(&d);
        retype(d.offsetEdit(3), "150");
        d.button(0)->setFocus(); // straight to Save: only Save's check warns
        d.button(0)->click();
        stayedOpen = d.isVisible();
        EXPECT_TRUE(d.offsetEdit(3)->hasFocus());
        retype(d.offsetEdit(3), "-15");
        d.fixedBox()->setChecked(true);
        d.portBox()->setEditText("COM3");
        d.button(0)->click();
        EXPECT_TRUE(d.portBox()->hasFocus());
        d.portBox()->setEditText("");
        d.button(0)->click();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(dialogs.standard.size(), 2u);
    EXPECT_NE(dialogs.standard[0].text.find("Temperature offset of Ch 4"), std::string::npos);
    EXPECT_EQ(dialogs.standard[1].title, " Setting");
    EXPECT_EQ(editor.values().offsetText[3], "-15");
    EXPECT_EQ(editor.values().portText, "");
}

TEST(FrmOptions, OffsetBoxKeysAndLeaving) {
    OptionsEditor editor = loaded();
    test::FakeDialogs dialogs;
    FrmOptions d(nullptr, editor, dialogs, false, [](const OptionsEditor&) { return true; });
    d.show();
    QApplication::setActiveWindow(&d);
    retype(d.offsetEdit(2), "-8");
    QTest::keyClick(d.offsetEdit(2), Qt::Key_Left);
    EXPECT_TRUE(d.offsetEdit(1)->hasFocus());
    EXPECT_EQ(d.offsetBar(2)->value(), 8); // taken on leaving
    QTest::keyClick(d.offsetEdit(0), Qt::Key_Left);
    d.offsetEdit(0)->setFocus();
    QTest::keyClick(d.offsetEdit(0), Qt::Key_Left); // the first box keeps the focus
    EXPECT_TRUE(d.offsetEdit(0)->hasFocus());
    QTest::mouseDClick(d.offsetEdit(2), Qt::LeftButton);
    EXPECT_EQ(d.offsetEdit(2)->text(), "0");

    retype(d.offsetEdit(5), "abc");
    QTest::keyClick(d.offsetEdit(5), Qt::Key_Return);
    EXPECT_TRUE(d.offsetEdit(5)->hasFocus()); // refused on leaving: back to the box
    ASSERT_EQ(dialogs.standard.size(), 1u);
    EXPECT_EQ(dialogs.standard[0].title, "ZADa2.1");
    QTest::keyClick(d.button(0), Qt::Key_Right);
    EXPECT_TRUE(d.button(1)->hasFocus());
    QTest::keyClick(d.button(1), Qt::Key_Left);
    EXPECT_TRUE(d.button(0)->hasFocus());
}

class NoSharedMemory : public SharedMemory {
public:
    bool write(const std::string&, std::size_t, const std::uint8_t*, std::size_t) override { return true; }
    void unlink(const std::string&) override {}
};

// The dialog as the program opens it: saved fields land in the settings and the file, a new
// port moves the link, and the link's state shows while the dialog is open.
class OptionsWiringTest : public ::testing::Test, protected test::ProgramRig {
protected:
    test::FakeSerialPort serial;
    NoSharedMemory memory;
    SharedReport report{memory};
    BalloonTip balloons{tray};
    MainLinkHost linkHost{program, window, report, balloons};
    LinkEngine link{program.settings(), program.state(), serial, clock, linkHost, dir.dir()};
    PortMap ports{dir.path()};
    OptionsWiring options{program, window, dialogs, link, linkHost, ports, autoStarter};

    void SetUp() override {
        ports.setRestrictToPortsFolder(true);
        program.Main();
    }
    void whileOpen(const std::function<void(FrmOptions&)>& act) {
        QTimer::singleShot(0, [this, act] {
            auto* d = qobject_cast<FrmOptions*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(options.isOpen());
            act(*d);
            if (d->isVisible()) d->button(1)->click();
        });
        options.openOptions();
    }
};

TEST_F(OptionsWiringTest, ASavedDialogStoresAppliesAndWritesTheFile) {
    dialogs.nextColors = {0x0000FF};
    whileOpen([](FrmOptions& d) {
        d.fixedBox()->setChecked(true);
        d.portBox()->setEditText("7");
        d.option("OptCycle", 2)->click();
        d.option("OptStart", 1)->click();
        d.option("OptUnit", 2)->click();
        d.swatch(Swatch::Graph, kGraphBack)->click();
        d.button(0)->click();
    });
    const Settings& s = program.settings();
    EXPECT_EQ(s.sys.FixedComPort, 7);
    EXPECT_EQ(s.sys.GraphBackColor, 0x0000FF);
    EXPECT_EQ(s.pump.FlowAlarmLimit[0], "0.53");
    EXPECT_EQ(program.graph().cycleCurrent(), GroupFan);
    EXPECT_EQ(autoStarter.installs, 1);
    EXPECT_TRUE(link.timerRunning(LinkTimer::Scan));
    EXPECT_EQ(window.linkStatusLabel()->text(), "COM Port Scanning...");
    Settings stored;
    ASSERT_TRUE(gLoadBIN(program.paths().SysFilePath, stored).ok());
    EXPECT_EQ(stored, s);
    EXPECT_FALSE(options.isOpen());
}

TEST_F(OptionsWiringTest, TheDialogFollowsTheLinkAndItsScanButtonDrivesIt) {
    const Settings before = program.settings();
    whileOpen([this](FrmOptions& d) {
        program.settings().sys.ComPort = 6;
        link.ShowLinkState("ON");
        EXPECT_EQ(d.portLabel()->text(), "ON");
        EXPECT_EQ(d.portBox()->currentText(), "6");
        d.scanButton()->click(); // "Stop"
        EXPECT_EQ(d.portLabel()->text(), "OFF");
        EXPECT_EQ(d.scanButton()->text(), "Scan");
        d.scanButton()->click();
        EXPECT_EQ(d.portLabel()->text(), "Scanning...");
        EXPECT_TRUE(link.timerRunning(LinkTimer::Scan));
        d.button(1)->click();
    });
    EXPECT_EQ(program.settings().sys.FixedComPort, before.sys.FixedComPort);
    EXPECT_EQ(autoStarter.installs + autoStarter.uninstalls, 0); // closed: nothing applied
}

// With VRX_SCREENSHOT_DIR set, writes the picture of the dialog used in the documentation.
TEST(FrmOptions, Screenshot) {
    const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VRX_SCREENSHOT_DIR not set";
    Settings s = defaults(2);
    s.sys.ComPort = 34;
    s.temp.TempName[0] = "CPU";
    s.temp.TempName[1] = "GPU";
    s.temp.TempOffset[1] = -2;
    OptionsEditor editor = loaded(s, 0);
    test::FakeDialogs dialogs;
    FrmOptions d(nullptr, editor, dialogs, false, [](const OptionsEditor&) { return true; });
    d.show();
    EXPECT_TRUE(d.grab().save(QString::fromUtf8(dir) + "/frm-options.png"));
}

} // namespace
} // namespace vrx::gui
