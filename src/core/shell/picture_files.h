#pragma once
// What every chart capture shares: the chooser for a BMP name and the question before a file
// the chooser never asked about is replaced.
#include <string>

#include "iface/dialogs.h"

namespace vrx {

// The save chooser for a BMP picture, starting in `folder`.
SaveFileRequest bmpSaveRequest(const std::string& folder);

// True when `path` is free, or exists and the user agreed to replace it.
bool mayReplacePicture(Dialogs& dialogs, const std::string& title, const std::string& path);

} // namespace vrx
