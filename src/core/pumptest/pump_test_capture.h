#pragma once
// The pump test window's picture and curve colours: " Capture" writes the chart as a BMP file
// under the name the user confirmed, and the colour swatches change the curves' colours.
#include <functional>
#include <string>

#include "iface/dialogs.h"
#include "pumptest/pump_test_host.h"
#include "settings/settings_record.h"

namespace vrx {

// The file a confirmed chooser name is written to: the name itself, with ".bmp" added only when
// its last component has no extension at all.
std::string pictureFileName(const std::string& confirmed);

class PumpTestCapture {
public:
    PumpTestCapture(Settings& settings, Dialogs& dialogs, PumpTestHost& host, std::string programFolder);

    // " Capture": the save chooser, then `encodeBmp()` (the chart as BMP bytes; "" when it could
    // not be drawn) written to the chosen file. True only when the whole picture was written.
    bool mImgCapture(const std::function<std::string()>& encodeBmp);

    // Swatch k: 0..1 the pump curves, 2..3 the flow curves. True when the colour changed and the
    // settings were saved.
    bool mPickColor(int k);
    Int32 swatchColor(int k) const;

private:
    void failed(const std::string& path, const std::string& reason);

    Settings& m_settings;
    Dialogs& m_dialogs;
    PumpTestHost& m_host;
    std::string m_folder;
};

} // namespace vrx
