#pragma once
#include <QWidget>
#include <functional>

#include "iface/dialogs.h"

namespace vrx::gui {

// Message boxes and file choosers on screen. The owner is looked up when one opens, so they stay
// over the main window once it exists.
class QtDialogs : public Dialogs {
public:
    std::function<QWidget*()> owner;
    std::function<bool()> alwaysOnTop;
    BoxAnswer standardBox(const std::string& title, const std::string& text, BoxIcon icon,
                          BoxButtons buttons) override;
    int messageBox(const MessageBoxRequest& request) override;
    std::string openFile(const OpenFileRequest& request) override;
    std::string saveFile(const SaveFileRequest& request) override;
    std::optional<std::int32_t> chooseColor(std::int32_t bgr) override;

private:
    std::string runChooser(const std::string& title, const std::string& filter, const std::string& extension,
                           const std::string& folder, bool saving);
};

} // namespace vrx::gui
