#include "app/form_layout.h"

#include <string>

namespace vrx {

int twipsToPixels(int twips, int twipsPerPixel) {
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((-twips + half) / twipsPerPixel);
}

int FormLayout::widthPx() const { return twipsToPixels(windowWidth, twipsPerPixel); }
int FormLayout::heightPx() const { return twipsToPixels(windowHeight, twipsPerPixel); }

FormLayout computeFormLayout(int boardType, int twipsPerPixel) {
    // Art exists for the two controller types only; anything else has no picture to show.
    if (boardType < 1 || boardType > 2 || twipsPerPixel <= 0)
        throw LayoutError("Invalid picture: no background for controller type " + std::to_string(boardType));
    FormLayout l;
    l.twipsPerPixel = twipsPerPixel;
    const bool normalDensity = twipsPerPixel == 15;
    l.pictureNumber = normalDensity ? boardType : boardType + 2;
    l.largeFontButtons = !normalDensity;
    l.cornerPx = normalDensity ? 40 : 48;
    if (boardType == 2) {
        l.windowHeight = 5570;
        l.versionLabelTop = 5300;
        l.firstRowTop = 1455;
        l.rowStep = 378;
        l.fullBoardRows = true;
    }
    return l;
}

} // namespace vrx
