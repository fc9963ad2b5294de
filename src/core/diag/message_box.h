#pragma once
#include <string>

#include "iface/dialogs.h"

namespace vrx {

// Results of the program's own message box.
inline constexpr int kBoxFirstButton = 0;  // "OK" or "Yes"
inline constexpr int kBoxSecondButton = 1; // "No" or "Cancel", and Esc
inline constexpr int kBoxClosed = 2;       // the close box

struct MessageBoxButton {
    std::string caption;
    bool visible = false;
    int leftTwips = 0;
    int topTwips = 0;
    int widthTwips = 0;
    int heightTwips = 0;
};

// Where the two buttons of the box go for a mode, in a client area of the given size.
struct MessageBoxLayout {
    MessageBoxButton first;
    MessageBoxButton second;
};

inline constexpr int kBoxButtonWidthTwips = 975;
inline constexpr int kBoxButtonHeightTwips = 375;

MessageBoxLayout layoutMessageBox(int mode, int clientWidthTwips, int clientHeightTwips);

int ShowMessageBox(Dialogs& dialogs, int widthTwips, int heightTwips, int mode, const std::string& title,
                   const std::string& line1, const std::string& line2, int picture);

} // namespace vrx
