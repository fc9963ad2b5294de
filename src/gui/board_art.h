#pragma once
#include <QPixmap>

#include "app/form_layout.h"

namespace vrx::gui {

// The window's background picture for a layout: panels, captions and row guides, drawn here
// rather than shipped as image files.
QPixmap drawBoardArt(const FormLayout& layout);

} // namespace vrx::gui
