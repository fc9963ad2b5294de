#pragma once
#include <array>

#include "limit_dialog.h"
#include "safety/shutdown_settings.h"

class QComboBox;
class QRadioButton;

namespace vrx::gui {

// The " PC Shutdown" dialog. It edits a copy of the editor; Save checks the pump and flow boxes,
// hands the copy back and accepts; Close, Esc and the close box reject and leave the editor as it
// was (apart from the slider group choice). After an accepted exec() the caller runs the editor's
// save() and saves the system file.
class FrmDown : public LimitDialog {
    Q_OBJECT
public:
    FrmDown(QWidget* parent, ShutdownSettings& editor, bool alwaysOnTop, Dialogs& dialogs);

    // 0 "Power Off (Hardware)", 1 "Power Off (OS)".
    QRadioButton* optPower(int index) const { return m_options.at(static_cast<std::size_t>(index)); }
    QComboBox* delayBox() const { return m_delay; }
    QLabel* unitMark(int channel) const { return m_marks.at(static_cast<std::size_t>(channel)); }

protected:
    LimitEditor& work() override { return m_work; }
    LimitEditor& original() override { return m_editor; }
    void scroll(int channel, int value) override { m_work.Slider1_Scroll(channel, value); }
    QString valueText(int channel) const override;
    void addChannelExtras(QGridLayout* grid, int row, int column, int channel) override;
    void commit() override { m_editor = m_work; }

private:
    QGroupBox* buildAction();

    ShutdownSettings& m_editor;
    ShutdownSettings m_work;
    std::array<QRadioButton*, 2> m_options{};
    QComboBox* m_delay = nullptr;
    std::array<QLabel*, kLimitChannels> m_marks{};
};

} // namespace vrx::gui
