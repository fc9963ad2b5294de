#include "pumptest_wiring.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include "diag/message_box.h"
#include "diag/messages.h"
#include "frm_characteristics.h"
#include "frm_main.h"
#include "pump_chart.h"

namespace vrx {

namespace {
constexpr const char* kTitle = "Pump Characteristics";
}

PumpTestWiring::PumpTestWiring(MainProgram& program, gui::FrmMain& window, Dialogs& dialogs,
                               const SafetyState& safety, std::function<bool()> linked,
                               const std::string& programFolder)
    : m_program(program), m_window(window), m_dialogs(dialogs), m_linked(std::move(linked)),
      m_test(program.settings(), program.state(), safety, program.PumpTestRunning, *this),
      m_capture(program.settings(), dialogs, *this, programFolder) {
    m_timer.setInterval(kTestTickMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { m_test.TimerTest(); });
}

namespace {

// The chart as it is on screen, as BMP bytes; "" when it could not be drawn or encoded.
std::string chartAsBmp(gui::FrmCharacteristics& window) {
    const QImage image = window.chart()->grab().toImage();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) return {};
    return bytes.toStdString();
}

} // namespace

void PumpTestWiring::openPumpTest() {
    gui::FrmCharacteristics dialog(&m_window, m_test, m_program.settings());
    dialog.onCapture = [this, &dialog] {
        dialog.setCursor(Qt::WaitCursor);
        m_capture.mImgCapture([&dialog] { return chartAsBmp(dialog); });
        dialog.unsetCursor();
    };
    dialog.onPickColor = [this](int k) { m_capture.mPickColor(k); };
    m_open = &dialog;
    dialog.exec();
    m_open = nullptr;
}

int PumpTestWiring::showMessage(int number, int mode, int icon, int widthTwips, int heightTwips) {
    return ShowMessageBox(m_dialogs, widthTwips, heightTwips, mode, kTitle, MessageText(number), "", icon);
}

void PumpTestWiring::showNotice(const std::string& text) {
    m_dialogs.standardBox(kTitle, text, BoxIcon::Warning, BoxButtons::Ok);
}

void PumpTestWiring::beep() {
    QApplication::beep();
}

void PumpTestWiring::logError(const std::string& procedure, const std::string& description) {
    m_program.errorLog().LogError(procedure, "0", description);
}

void PumpTestWiring::outputsRestored() {
    // The menus follow the settings each time they open; the next view tick shows the outputs.
}

void PumpTestWiring::refresh() {
    if (m_test.running() && !m_timer.isActive()) m_timer.start();
    if (!m_test.running()) m_timer.stop();
    if (m_open) m_open->refresh();
}

} // namespace vrx
