#pragma once
// The " Pump Characteristics" window. It shows the test's state (progress, chart, results) and
// forwards Start, Capture, Close and the colour swatches; what they do is the core's.
#include <QDialog>
#include <array>
#include <functional>

#include "pumptest/pump_test.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vrx::gui {

class PumpChart;

class FrmCharacteristics : public QDialog {
    Q_OBJECT
public:
    FrmCharacteristics(QWidget* parent, PumpTest& test, const Settings& settings);

    // Takes everything from the test again; the program calls it from the test host's refresh.
    void refresh();

    // " Capture" and the swatches (0..1 pump curves, 2..3 flow curves) ask the program.
    std::function<void()> onCapture;
    std::function<void(int swatch)> onPickColor;

    // 0 " Start", 1 " Capture", 2 " Close".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }
    QPushButton* swatch(int k) const { return m_swatches.at(static_cast<std::size_t>(k)); }
    QProgressBar* progress() const { return m_progress; }
    QGroupBox* frame(int pair) const { return m_frames.at(static_cast<std::size_t>(pair)); }
    QLabel* labPump(int i) const { return m_labPump.at(static_cast<std::size_t>(i)); }
    QLabel* labFlow(int i) const { return m_labFlow.at(static_cast<std::size_t>(i)); }
    QLabel* labTub(int i) const { return m_labTub.at(static_cast<std::size_t>(i)); }
    QLabel* labCapFlow(int i) const { return m_labCapFlow.at(static_cast<std::size_t>(i)); }
    PumpChart* chart() const { return m_chart; }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QGroupBox* makeFrame(int pair);
    QPushButton* makeSwatch(int k, const QString& name);
    void start();
    void placeWindow();

    PumpTest& m_test;
    const Settings& m_settings;
    PumpChart* m_chart = nullptr;
    QProgressBar* m_progress = nullptr;
    std::array<QPushButton*, 3> m_buttons{};
    std::array<QPushButton*, 4> m_swatches{};
    std::array<QGroupBox*, 2> m_frames{};
    std::array<QLabel*, 4> m_labPump{};
    std::array<QLabel*, 4> m_labFlow{};
    std::array<QLabel*, 2> m_labTub{};
    std::array<QLabel*, 2> m_labCapFlow{};
    bool m_closed = false;
};

} // namespace vrx::gui
