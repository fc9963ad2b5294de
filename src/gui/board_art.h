#pragma once
#include <QPixmap>

#include "app/form_layout.h"

namespace vrx::gui {

// The window's background picture for a layout: panels, captions and row guides, drawn here
// rather than shipped as image files.
QPixmap drawBoardArt(const FormLayout& layout);

// Geometry of the two reading panels, shared by the art and the widgets placed on it (twips).
struct PanelTwips {
    static constexpr int leftX = 200, leftWidth = 4200;
    static constexpr int rightX = 4500, rightWidth = 4090;
    static constexpr int headerHeight = 900;
};

} // namespace vrx::gui
