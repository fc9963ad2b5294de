#pragma once
// The tray's Help item: the user manual, opened with the desktop's document viewer.
#include <functional>
#include <string>

#include "iface/dialogs.h"

namespace vrx {

// Hands the manual's path to the viewer; false when no viewer could take it.
using OpenDocument = std::function<bool(const std::string& path)>;
// name ("Module.Procedure"), number, description: as the error log takes them.
using HelpErrorLog = std::function<void(const std::string&, const std::string&, const std::string&)>;

// Opens the manual at helpFilePath. A manual that cannot be read, or a viewer that does not start,
// is said in a box (a help item that silently does nothing looks broken) and logged under
// "ModSub.gVRX_Help". True when the viewer took the file.
bool gVRX_Help(const std::string& helpFilePath, const OpenDocument& openDocument, Dialogs& dialogs,
               const HelpErrorLog& logError);

} // namespace vrx
