#include "frm_adjust.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vrx::gui {
namespace {

Settings defaults() {
    Settings s;
    SetDefaults(s, "/vrx/");
    return s;
}

PowerAdjust loaded(OutputKind kind, int unit, const Settings& s = defaults()) {
    PowerAdjust a(kind, unit);
    a.Form_Load(s);
    return a;
}

// Runs the dialog modally and acts on it once its event loop is running.
int run(PowerAdjust& editor, const std::function<void(FrmAdjust&)>& act) {
    FrmAdjust dialog(nullptr, editor, false);
    QTimer::singleShot(0, &dialog, [&dialog, &act] { act(dialog); });
    return dialog.exec();
}

TEST(FrmAdjust, FillsFromTheEditorAndLabelsFollowTheSliders) {
    Settings s = defaults();
    levelTable(s, OutputKind::Pump, 1, 4) = 17;
    PowerAdjust pump = loaded(OutputKind::Pump, 1, s);
    FrmAdjust d(nullptr, pump, false);
    EXPECT_EQ(d.windowTitle(), "Pump #1 - Power Adjust");
    EXPECT_EQ(d.slider(1)->minimum(), 1);
    EXPECT_EQ(d.slider(1)->maximum(), 32);
    EXPECT_EQ(d.slider(10)->pageStep(), 5);
    EXPECT_EQ(d.slider(4)->value(), 17);
    EXPECT_EQ(d.valueLabel(4)->text(), "(8.06V)");
    d.slider(2)->setValue(1);
    EXPECT_EQ(d.valueLabel(2)->text(), "(7.58V)");
    d.slider(2)->setValue(32);
    EXPECT_EQ(d.valueLabel(2)->text(), "(12.73V)");
    EXPECT_EQ(d.slider(7)->accessibleName(), "Level 7");
    EXPECT_EQ(d.palette().color(QPalette::Window), QColor(0xF7, 0xF7, 0xEF));

    d.show();
    EXPECT_EQ(d.button(2)->text(), " Default");
    EXPECT_EQ(d.button(1)->text(), " Save");
    EXPECT_EQ(d.button(0)->text(), " Close");
    EXPECT_LT(d.button(2)->x(), d.button(1)->x());
    EXPECT_LT(d.button(1)->x(), d.button(0)->x());
}

TEST(FrmAdjust, SaveHandsTheValuesBackAnythingElseDiscards) {
    struct Case {
        const char* what;
        std::function<void(FrmAdjust&)> act;
        int result;
        int level1, level10; // the editor's values afterwards
    };
    const Case cases[] = {
        {"Save",
         [](FrmAdjust& d) {
             d.slider(1)->setValue(25);
             d.button(1)->click();
         },
         QDialog::Accepted, 25, 99},
        {"Esc",
         [](FrmAdjust& d) {
             d.slider(1)->setValue(25);
             QTest::keyClick(&d, Qt::Key_Escape);
         },
         QDialog::Rejected, 44, 99},
        {"Default then Close",
         [](FrmAdjust& d) {
             d.button(2)->click();
             d.button(0)->click();
         },
         QDialog::Rejected, 44, 99},
        {"Default then Save",
         [](FrmAdjust& d) {
             d.button(2)->click();
             d.button(1)->click();
         },
         QDialog::Accepted, 10, 100},
        {"close box",
         [](FrmAdjust& d) {
             d.slider(10)->setValue(3);
             d.close();
         },
         QDialog::Rejected, 44, 99},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        levelTable(s, OutputKind::Fan, 0, 1) = 44;
        levelTable(s, OutputKind::Fan, 0, 10) = 99;
        PowerAdjust editor = loaded(OutputKind::Fan, 0, s);
        EXPECT_EQ(run(editor, c.act), c.result) << c.what;
        EXPECT_EQ(editor.value(1), c.level1) << c.what;
        EXPECT_EQ(editor.value(10), c.level10) << c.what;
    }
}

TEST(FrmAdjust, EnterWalksTheSlidersAndArrowsWalkTheButtons) {
    PowerAdjust editor = loaded(OutputKind::Fan, 2);
    FrmAdjust d(nullptr, editor, false);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    struct Step {
        QWidget* from;
        Qt::Key key;
        QWidget* to;
    };
    const Step steps[] = {
        {d.slider(1), Qt::Key_Return, d.slider(2)},  {d.slider(9), Qt::Key_Enter, d.slider(10)},
        {d.slider(10), Qt::Key_Return, d.button(1)}, {d.button(1), Qt::Key_Left, d.button(2)},
        {d.button(2), Qt::Key_Left, d.button(2)},    {d.button(2), Qt::Key_Right, d.button(1)},
        {d.button(1), Qt::Key_Right, d.button(0)},   {d.button(0), Qt::Key_Right, d.button(0)},
    };
    for (const auto& s : steps) {
        s.from->setFocus();
        QTest::keyClick(s.from, s.key);
        EXPECT_TRUE(s.to->hasFocus()) << s.from->accessibleName().toStdString() << " key " << s.key;
    }
    EXPECT_TRUE(d.isVisible()); // Enter on a slider never saves or closes
}

// With VRX_SCREENSHOT_DIR set, writes the picture of the dialog used in the documentation.
TEST(FrmAdjust, Screenshot) {
    const QByteArray dir = qgetenv("VRX_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VRX_SCREENSHOT_DIR not set";
    PowerAdjust editor = loaded(OutputKind::Pump, 1);
    FrmAdjust d(nullptr, editor, false);
    d.slider(3)->setValue(17);
    d.show();
    EXPECT_TRUE(d.grab().save(QString::fromUtf8(dir) + "/frm-adjust.png"));
}

} // namespace
} // namespace vrx::gui
