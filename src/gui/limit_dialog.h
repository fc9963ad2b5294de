#pragma once
#include <QDialog>
#include <array>
#include <vector>

#include "iface/dialogs.h"
#include "safety/limit_editor.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QToolButton;

namespace vrx::gui {

// What the alarm and shutdown settings dialogs share: the temperature section (an "All" box, the
// slider group menu, per channel a check box, a slider and its value), the pump and flow sections,
// Save and Close, and the keys that move between them. The dialog edits a copy of its editor;
// Save checks the pump and flow boxes, hands the copy back and accepts. Only the slider group
// choice reaches the caller's editor at once, as it is kept whether or not the dialog is saved.
class LimitDialog : public QDialog {
    Q_OBJECT
public:
    QCheckBox* allBox() const { return m_all; }
    QCheckBox* channelBox(int channel) const { return m_rows.at(at(channel)).check; }
    QSlider* slider(int channel) const { return m_rows.at(at(channel)).slider; }
    QLabel* valueLabel(int channel) const { return m_rows.at(at(channel)).value; }
    QCheckBox* deviceBox(LimitField f) const { return device(f).check; }
    QLineEdit* limitEdit(LimitField f) const { return device(f).edit; }
    QLabel* unitLabel(LimitField f) const { return device(f).unit; }
    QToolButton* groupButton() const { return m_groupButton; }
    // 0 " Save", 1 " Close".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

protected:
    LimitDialog(QWidget* parent, Dialogs& dialogs, bool alwaysOnTop);

    virtual LimitEditor& work() = 0;
    // The caller's editor: where the slider group choice goes at once.
    virtual LimitEditor& original() = 0;
    virtual void scroll(int channel, int value) = 0;
    virtual QString valueText(int channel) const = 0;
    // Widgets of a channel's row after its value label, from grid column `column` on.
    virtual void addChannelExtras(QGridLayout* grid, int row, int column, int channel) = 0;
    // Hands the copy back to the caller's editor.
    virtual void commit() = 0;

    // The sections; each derived dialog arranges them its own way.
    // `widestValue`: the longest value text, so the labels never shift while a slider moves.
    QGroupBox* buildTemperature(const QString& title, const QString& widestValue);
    QGroupBox* buildDevices(LimitKind kind, const QString& title, const std::array<QString, 2>& captions,
                            const QString& unit);
    QHBoxLayout* buildButtons();
    // Hides what the board lacks: channels 6..10, pump 2, flow meter 2.
    void showBoard();
    // Sliders and values from the copy.
    void refresh();
    // Per-row widgets that hide with their channel.
    void addToRow(int channel, QWidget* w);
    Dialogs& dialogs() { return m_dialogs; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ChannelRow {
        QCheckBox* check = nullptr;
        QSlider* slider = nullptr;
        QLabel* value = nullptr;
        std::vector<QWidget*> widgets;
    };
    struct DeviceRow {
        QCheckBox* check = nullptr;
        QLineEdit* edit = nullptr;
        QLabel* unit = nullptr;
    };
    static std::size_t at(int channel);
    const DeviceRow& device(LimitField f) const;
    void showGroupMenu(const QPoint& where);
    void save();
    QWidget* nextAfterSlider(int channel);
    QWidget* nextAfterEdit(LimitField f);

    Dialogs& m_dialogs;
    QCheckBox* m_all = nullptr;
    QToolButton* m_groupButton = nullptr;
    QMenu* m_groupMenu = nullptr;
    std::array<ChannelRow, kLimitChannels> m_rows{};
    std::array<DeviceRow, kLimitDevices> m_pumps{};
    std::array<DeviceRow, kLimitDevices> m_flows{};
    std::array<QPushButton*, 2> m_buttons{};
    bool m_refreshing = false;
};

} // namespace vrx::gui
