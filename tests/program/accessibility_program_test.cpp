// Every control a user acts on in every window of the running program carries an accessible name,
// so screen readers and test robots over the accessibility bus can reach it.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "fakes/temp_dir.h"
#include "frm_xplayer.h"
#include "outputs/output_menus.h"
#include "wired_program.h"

namespace vrx {
namespace {

bool actedOn(QAccessible::Role role) {
    static const QSet<QAccessible::Role> roles = {
        QAccessible::PushButton, QAccessible::CheckBox,    QAccessible::RadioButton, QAccessible::EditableText,
        QAccessible::Slider,     QAccessible::ComboBox,    QAccessible::SpinBox,     QAccessible::ScrollBar,
        QAccessible::MenuItem,   QAccessible::ButtonMenu,  QAccessible::ButtonDropDown, QAccessible::PageTab};
    return roles.contains(role);
}

QString describe(QAccessibleInterface* control) {
    QString path;
    for (QObject* o = control->object(); o != nullptr; o = o->parent())
        path.prepend(QString("/%1(%2)").arg(o->metaObject()->className(), o->objectName()));
    return path + " role " + QString::number(control->role());
}

// The controls under `node` that a user can act on and that have no name.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed, int depth = 0) {
    if (node == nullptr || depth > 40) return;
    if (actedOn(node->role()) && !node->state().invisible && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(node);
    for (int i = 0; i < node->childCount(); ++i) collectUnnamed(node->child(i), unnamed, depth + 1);
}

// One line per unnamed control, "" when every control has a name.
std::string unnamedIn(QWidget* window) {
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed.join("\n").toStdString();
}

class AccessibilityProgram : public ::testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<WiredProgram> vrx;

    void SetUp() override {
        ProgramOptions options;
        options.paths = makeAppPaths(dir.dir());
        options.autoStartEntry = dir.file("autostart.desktop");
        options.portsOnly = true; // no controller: nothing is opened
        options.dryRunPowerOff = true;
        vrx = std::make_unique<WiredProgram>(options);
        ASSERT_TRUE(vrx->start());
    }

    // Opens a modal window with `open`, lists its unnamed controls, and closes it.
    std::string unnamedInModal(const std::function<void()>& open, QString& seen) {
        std::string unnamed = "(not opened)";
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            seen = dialog->metaObject()->className();
            unnamed = unnamedIn(dialog);
            dialog->reject();
        });
        open();
        return unnamed;
    }
};

TEST_F(AccessibilityProgram, EveryWindowNamesEveryControl) {
    gui::FrmMain& window = vrx->window();
    EXPECT_EQ(unnamedIn(&window), "") << "main window";

    const struct {
        const char* expected;
        std::function<void()> open;
    } modals[] = {
        {"vrx::gui::FrmOptions", [&] { window.commandButton(kOptionsButton)->click(); }},
        {"vrx::gui::FrmAlarm", [&] { window.commandButton(kAlarmButton)->click(); }},
        {"vrx::gui::FrmDown", [&] { window.commandButton(kShutdownButton)->click(); }},
        {"vrx::gui::FrmLog", [&] { window.commandButton(kRecordingButton)->click(); }},
        {"vrx::gui::FrmAuto", [&] { window.onOutputItemChosen(OutputKind::Fan, 1, kLevelAuto); }},
        {"vrx::gui::FrmAdjust", [&] { window.onOutputItemChosen(OutputKind::Pump, 1, kLevelAdjust); }},
        {"vrx::gui::FrmCharacteristics", [&] { vrx->pumpTest()->openPumpTest(); }},
    };
    for (const auto& m : modals) {
        QString seen;
        const std::string unnamed = unnamedInModal(m.open, seen);
        EXPECT_EQ(seen.toStdString(), m.expected);
        EXPECT_EQ(unnamed, "") << m.expected;
    }

    window.commandButton(kLogViewerButton)->click();
    ASSERT_NE(vrx->viewer()->window(), nullptr);
    EXPECT_EQ(unnamedIn(vrx->viewer()->window()), "") << "log viewer";
    vrx->viewer()->window()->close();
}

} // namespace
} // namespace vrx
