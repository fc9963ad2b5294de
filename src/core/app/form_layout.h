#pragma once
#include <stdexcept>

namespace vrx {

// Window geometry for one controller type and screen density, in twips unless named Px.
struct FormLayout {
    int pictureNumber = 1; // background art: 1..2 at 15 twips per pixel, 3..4 otherwise
    int twipsPerPixel = 15;
    int windowWidth = 8790;
    int windowHeight = 4822;
    int versionLabelTop = 4550;
    int firstRowTop = 1600;
    int rowStep = 600;
    bool fullBoardRows = false;      // channels 6..10, fans 4..6, pump 2 and flow meter 2 shown
    bool largeFontButtons = false;   // the two window buttons at top 140, 348 x 204
    int cornerPx = 40;               // rounded-corner size
    int widthPx() const;
    int heightPx() const;
    int rowTop(int row) const { return firstRowTop + rowStep * row; }
    int swatchTop(int row) const { return rowTop(row) + 40; }
};

class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kInitialFormWidth = 8775;

// The arrangement for a board type; throws LayoutError when no background art exists for it.
FormLayout computeFormLayout(int boardType, int twipsPerPixel);

// Twips to whole pixels, rounding to nearest.
int twipsToPixels(int twips, int twipsPerPixel);

} // namespace vrx
