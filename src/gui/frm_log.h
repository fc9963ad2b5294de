#pragma once
#include <QDialog>
#include <array>
#include <vector>

#include "recording/log_settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace vrx::gui {

// The recording settings dialog. Every choice goes to the settings at once; the caller saves the
// system file after exec() returns, however the dialog was closed. Closing never stops a recording.
class FrmLog : public QDialog {
    Q_OBJECT
public:
    FrmLog(QWidget* parent, LogSettings& model, bool alwaysOnTop);

    QLineEdit* pathBox() const { return m_path; }
    QToolButton* folderButton() const { return m_folder; }
    QCheckBox* continuousBox() const { return m_continuous; }
    QComboBox* periodList() const { return m_period; }
    QGroupBox* frame(LogGroup group) const { return m_frames.at(static_cast<std::size_t>(group)); }
    QCheckBox* channelBox(LogGroup group, int index) const;
    // 0 " Record", 1 " Stop", 2 " Close".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }
    // TimCheck, running while a recording started here may end by itself.
    QTimer* checkTimer() const { return m_check; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildFrame(LogGroup group);
    QLayout* buildFileRow();
    QWidget* buildChoices();
    QLayout* buildButtons();
    void fill();
    void showControls();

    LogSettings& m_model;
    QLineEdit* m_path = nullptr;
    QToolButton* m_folder = nullptr;
    QCheckBox* m_continuous = nullptr;
    QComboBox* m_period = nullptr;
    QTimer* m_check = nullptr;
    std::array<QGroupBox*, 4> m_frames{};
    std::array<std::vector<QCheckBox*>, 4> m_channels;
    std::array<QPushButton*, 3> m_buttons{};
};

} // namespace vrx::gui
