#include "qt_dialogs.h"

#include <QMessageBox>

#include "frm_msgbox.h"

namespace vrx::gui {
namespace {
QMessageBox::Icon toQt(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

BoxAnswer QtDialogs::standardBox(const std::string& title, const std::string& text, BoxIcon icon, BoxButtons buttons) {
    QWidget* parent = owner ? owner() : nullptr;
    QMessageBox box(toQt(icon), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::NoButton,
                    parent && parent->isVisible() ? parent : nullptr);
    if (alwaysOnTop && alwaysOnTop()) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (buttons == BoxButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    case QMessageBox::Ok: return BoxAnswer::Ok;
    default: return BoxAnswer::Closed;
    }
}

int QtDialogs::messageBox(const MessageBoxRequest& request) {
    QWidget* parent = owner ? owner() : nullptr;
    FrmMsgbox box(request, alwaysOnTop && alwaysOnTop(), parent && parent->isVisible() ? parent : nullptr);
    return box.exec();
}

} // namespace vrx::gui
