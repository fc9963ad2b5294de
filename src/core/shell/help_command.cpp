#include "shell/help_command.h"

#include "iface/file_access.h"
#include "diag/messages.h"

namespace vrx {

namespace {
constexpr const char* kLogName = "ModSub.gVRX_Help";
}

bool gVRX_Help(const std::string& helpFilePath, const OpenDocument& openDocument, Dialogs& dialogs,
               const HelpErrorLog& logError) {
    std::string firstByte;
    FileOutcome found = helpFilePath.empty() ? osError(ENOENT) : fileAccess().read(helpFilePath, 1, firstByte);
    const std::string shown = helpFilePath.empty() ? "(location unknown)" : helpFilePath;
    std::string problem;
    if (!found.ok()) {
        problem = "The user manual cannot be read: " + shown + " (" + found.description + ").";
    } else if (!openDocument(helpFilePath)) {
        found = {EIO, "no document viewer took the file"};
        problem = "The user manual could not be opened: " + shown + " (" + found.description + ").";
    }
    if (problem.empty()) return true;
    logError(kLogName, std::to_string(found.number), problem);
    dialogs.standardBox(kGeneralTitle, problem, BoxIcon::Warning, BoxButtons::Ok);
    return false;
}

} // namespace vrx
