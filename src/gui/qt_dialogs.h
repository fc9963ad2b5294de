#pragma once
#include <QWidget>
#include <functional>

#include "iface/dialogs.h"

namespace vrx::gui {

// Message boxes on screen. The owner is looked up when a box opens, so boxes stay over the
// main window once it exists.
class QtDialogs : public Dialogs {
public:
    std::function<QWidget*()> owner;
    std::function<bool()> alwaysOnTop;
    BoxAnswer standardBox(const std::string& title, const std::string& text, BoxIcon icon,
                          BoxButtons buttons) override;
    int messageBox(const MessageBoxRequest& request) override;
};

} // namespace vrx::gui
