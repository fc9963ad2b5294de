#include "shell/picture_files.h"

#include <cerrno>

#include "iface/file_access.h"

namespace vrx {

SaveFileRequest bmpSaveRequest(const std::string& folder) {
    SaveFileRequest request;
    request.title = "Save BMP file";
    request.filter = "BMP files(*.bmp)|*.bmp|All Files(*.*)|*.*";
    request.defaultExtension = ".bmp";
    request.folder = folder;
    return request;
}

bool mayReplacePicture(Dialogs& dialogs, const std::string& title, const std::string& path) {
    std::string ignored;
    if (fileAccess().read(path, 0, ignored).number == ENOENT) return true;
    return dialogs.standardBox(title, path + " already exists.\nDo you want to replace it?", BoxIcon::Warning,
                               BoxButtons::YesNo) == BoxAnswer::Yes;
}

} // namespace vrx
