#pragma once
// The window is designed in twips (1/1440 inch); Qt places widgets in pixels.
#include <QRect>

#include "app/form_layout.h"

namespace vrx::gui {

// 15 at 96 dots per inch, 12 at 120.
int screenTwipsPerPixel();

inline QRect twipsRect(int left, int top, int width, int height, int tpp) {
    return {twipsToPixels(left, tpp), twipsToPixels(top, tpp), twipsToPixels(width, tpp), twipsToPixels(height, tpp)};
}

} // namespace vrx::gui
