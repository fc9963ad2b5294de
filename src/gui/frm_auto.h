#pragma once
#include <QDialog>
#include <array>

#include "outputs/auto_editor.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace vrx::gui {

class AutoCurvePlot;

// The auto-mode curve editor. It edits a copy of the editor; Save hands the curve, channel and
// hysteresis choice back and accepts, anything else rejects and leaves the editor as it was.
// The caller saves after an accepted exec().
class FrmAuto : public QDialog {
    Q_OBJECT
public:
    FrmAuto(QWidget* parent, AutoEditor& editor, bool alwaysOnTop);

    QRadioButton* channelButton(int channel) const {
        return m_channels.at(static_cast<std::size_t>(channel));
    }
    QCheckBox* hysteresisBox() const { return m_noHysteresis; }
    AutoCurvePlot* plot() const { return m_plot; }
    // 0 " Save", 1 " Close".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

private:
    void save();

    AutoEditor& m_editor;
    AutoEditor m_work;
    std::array<QRadioButton*, kTempChannels> m_channels{};
    QCheckBox* m_noHysteresis = nullptr;
    AutoCurvePlot* m_plot = nullptr;
    std::array<QPushButton*, 2> m_buttons{};
};

} // namespace vrx::gui
