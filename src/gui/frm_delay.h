#pragma once
#include <QDialog>
#include <array>

#include "safety/countdown.h"

class QLabel;
class QPushButton;

namespace vrx::gui {

// The shutdown countdown window. It shows the countdown model's texts and forwards its buttons
// and keys; whatever they do is the model's. It never runs its own event loop: present() shows it
// modal to its parent and returns, so the program's timers keep running.
class FrmDelay : public QDialog {
    Q_OBJECT
public:
    FrmDelay(QWidget* parent, Countdown& model);

    // Shows the window over its parent, window-modal, topmost when asked; returns at once.
    void present(bool topmost);
    // Takes the labels from the model again (after each countdown tick).
    void refresh();
    // Hides the window when the model has closed the countdown; the model is not told again.
    void closeWindow();

    QLabel* label1() const { return m_label1; }
    QLabel* labDelay() const { return m_labDelay; }
    QLabel* label2() const { return m_label2; }
    QLabel* label3(int index) const { return m_label3.at(static_cast<std::size_t>(index)); }
    // 0 " OK", 1 " Cancel".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

public slots:
    // Escape and the close box.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hides the window once the model no longer runs a countdown, whoever closed it.
    void followModel();

    Countdown& m_model;
    QLabel* m_label1 = nullptr;
    QLabel* m_labDelay = nullptr;
    QLabel* m_label2 = nullptr;
    std::array<QLabel*, 2> m_label3{};
    std::array<QPushButton*, 2> m_buttons{};
};

} // namespace vrx::gui
