#include "diag/message_box.h"

namespace vrx {

MessageBoxLayout layoutMessageBox(int mode, int clientWidthTwips, int clientHeightTwips) {
    MessageBoxLayout l;
    const int top = clientHeightTwips - 1000;
    for (MessageBoxButton* b : {&l.first, &l.second}) {
        b->topTwips = top;
        b->widthTwips = kBoxButtonWidthTwips;
        b->heightTwips = kBoxButtonHeightTwips;
    }
    const int pairLeft = clientWidthTwips / 2 - kBoxButtonWidthTwips - 38;
    switch (mode) {
    case 1:
        l.first.caption = "Yes";
        l.second.caption = "No";
        l.second.visible = true;
        break;
    case 2:
        l.first.caption = "OK";
        l.second.caption = "Cancel";
        l.second.visible = true;
        break;
    default:
        l.first.caption = "OK";
        l.first.leftTwips = (clientWidthTwips - kBoxButtonWidthTwips) / 2;
        l.first.visible = true;
        return l;
    }
    l.first.visible = true;
    l.first.leftTwips = pairLeft;
    l.second.leftTwips = pairLeft + 1020;
    return l;
}

int ShowMessageBox(Dialogs& dialogs, int widthTwips, int heightTwips, int mode, const std::string& title,
                   const std::string& line1, const std::string& line2, int picture) {
    return dialogs.messageBox({widthTwips, heightTwips, mode, title, line1, line2, picture});
}

} // namespace vrx
