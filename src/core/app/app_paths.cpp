#include "app/app_paths.h"

#include <cerrno>
#include <filesystem>

#include "iface/file_access.h"

namespace vrx {
namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

// Creates dir when missing; a failure's reason goes to *error.
void createFolder(const fs::path& dir, std::string* error) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec && error) *error = ec.message();
}

} // namespace

std::string checkDataFolder(const std::string& dir) {
    std::error_code ec;
    const fs::file_status st = fs::status(dir, ec);
    if (ec) return ec.message();
    if (!fs::is_directory(st)) return osError(ENOTDIR).description;
    // Writable means we can create and remove a file there, not just what the mode bits claim.
    const fs::path probe = fs::path(dir) / ".vrx-write-test";
    if (FileOutcome o = fileAccess().append(probe.string(), {}); !o.ok()) return o.description;
    fs::remove(probe, ec);
    return {};
}

std::string resolveAppDir(const std::string& overrideDir, const std::string& xdgDataHome,
                          const std::string& homeDir, std::string* error) {
    if (!overrideDir.empty()) {
        createFolder(overrideDir, error);
        std::error_code ec;
        return withSlash(fs::absolute(overrideDir, ec).lexically_normal().string());
    }
    const std::string dir = defaultAppDir(xdgDataHome, homeDir);
    if (dir.empty()) {
        // Never a shared place such as /tmp, where another user could have made the folder first.
        if (error) *error = "no home folder to keep the data in (set HOME, or give --app-dir)";
        return {};
    }
    createFolder(dir, error);
    return dir;
}

std::string defaultAppDir(const std::string& xdgDataHome, const std::string& homeDir) {
    // A relative XDG_DATA_HOME is invalid and ignored, as the desktop's convention says.
    fs::path base;
    if (fs::path(xdgDataHome).is_absolute())
        base = xdgDataHome;
    else if (fs::path(homeDir).is_absolute())
        base = fs::path(homeDir) / ".local/share";
    if (base.empty()) return {};
    return withSlash((base / "vrx").lexically_normal().string());
}

std::string helpFilePathFor(const std::string& exeDir) {
    if (exeDir.empty()) return {};
    return (fs::path(exeDir) / "../share/vrx/manual.html").lexically_normal().string();
}

AppPaths makeAppPaths(const std::string& appDir, const std::string& exeDir) {
    AppPaths p;
    p.AppDir = withSlash(appDir);
    p.SysFilePath = p.AppDir + "vrxsys.bin";
    p.HelpFilePath = helpFilePathFor(exeDir);
    return p;
}

} // namespace vrx
