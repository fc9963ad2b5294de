#pragma once
#include <array>

#include "iface/alarm_sound.h"
#include "limit_dialog.h"
#include "safety/alarm_settings.h"

class QRadioButton;

namespace vrx::gui {

// The " Alarm" dialog. It edits a copy of the editor; Save checks the pump and flow boxes, hands
// the copy back and accepts; Close, Esc and the close box reject and leave the editor as it was
// (apart from the slider group choice). After an accepted exec() the caller runs the editor's
// save() and saves the system file.
class FrmAlarm : public LimitDialog {
    Q_OBJECT
public:
    FrmAlarm(QWidget* parent, AlarmSettings& editor, bool alwaysOnTop, Dialogs& dialogs, AlarmSound& sound);

    // 0 "Silent (F5)", 1 "Alarm (F6)".
    QRadioButton* optAlarm(int index) const { return m_options.at(static_cast<std::size_t>(index)); }
    QToolButton* fileButton(int channel) const { return soundRow(channel).file; }
    QLabel* soundLabel(int channel) const { return soundRow(channel).name; }
    QToolButton* playButton(int channel) const { return soundRow(channel).play; }

protected:
    LimitEditor& work() override { return m_work; }
    LimitEditor& original() override { return m_editor; }
    void scroll(int channel, int value) override { m_work.Slider1_Scroll(channel, value); }
    QString valueText(int channel) const override;
    void addChannelExtras(QGridLayout* grid, int row, int column, int channel) override;
    void commit() override { m_editor = m_work; }

private:
    struct SoundRow {
        QToolButton* file = nullptr;
        QLabel* name = nullptr;
        QToolButton* play = nullptr;
    };
    const SoundRow& soundRow(int channel) const { return m_sounds.at(static_cast<std::size_t>(channel)); }
    void showSound(int channel);
    void showClearMenu(int channel, const QPoint& where);

    AlarmSettings& m_editor;
    AlarmSettings m_work;
    AlarmSound& m_sound;
    std::array<QRadioButton*, 2> m_options{};
    std::array<SoundRow, kLimitChannels> m_sounds{};
};

} // namespace vrx::gui
