#pragma once
#include <QDialog>

#include "iface/dialogs.h"

class QLabel;
class QPushButton;

namespace vrx::gui {

// The program's own message box: one or two buttons, two text lines and a picture.
// exec() returns 0 (first button), 1 (second button or Esc) or 2 (closed with the close box).
class FrmMsgbox : public QDialog {
    Q_OBJECT
public:
    FrmMsgbox(const MessageBoxRequest& request, bool alwaysOnTop, QWidget* owner = nullptr);
    QPushButton* button(int index) const { return index == 0 ? m_first : m_second; }
    QLabel* caption(int index) const { return index == 0 ? m_line1 : m_line2; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void finishWith(int result);
    QPushButton* m_first = nullptr;
    QPushButton* m_second = nullptr;
    QLabel* m_line1 = nullptr;
    QLabel* m_line2 = nullptr;
    bool m_finishing = false;
};

} // namespace vrx::gui
