#pragma once
#include <QDialog>
#include <array>

#include "outputs/power_adjust.h"

class QLabel;
class QPushButton;
class QSlider;

namespace vrx::gui {

// The power-adjust dialog. It edits a copy of the editor; Save hands the values back and accepts,
// anything else rejects and leaves the editor as it was. The caller saves after an accepted exec().
class FrmAdjust : public QDialog {
    Q_OBJECT
public:
    FrmAdjust(QWidget* parent, PowerAdjust& editor, bool alwaysOnTop);

    QSlider* slider(int n) const { return m_sliders.at(static_cast<std::size_t>(n - 1)); }
    QLabel* valueLabel(int n) const { return m_values.at(static_cast<std::size_t>(n - 1)); }
    // 0 " Close", 1 " Save", 2 " Default".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showValues();
    void save();

    PowerAdjust& m_editor;
    PowerAdjust m_work;
    std::array<QSlider*, kLevels> m_sliders{};
    std::array<QLabel*, kLevels> m_values{};
    std::array<QPushButton*, 3> m_buttons{};
};

} // namespace vrx::gui
