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

std::string resolveAppDir(const std::string& overrideDir, const std::string& exeDir,
                          const std::string& homeDir, std::string* error) {
    if (!overrideDir.empty()) {
        createFolder(overrideDir, error);
        std::error_code ec;
        return withSlash(fs::absolute(overrideDir, ec).lexically_normal().string());
    }
    if (!exeDir.empty() && checkDataFolder(exeDir).empty()) return withSlash(exeDir);
    const fs::path fallback = fs::path(homeDir.empty() ? "/tmp" : homeDir) / ".local/share/vrx";
    createFolder(fallback, error);
    return withSlash(fallback.string());
}

AppPaths makeAppPaths(const std::string& appDir) {
    AppPaths p;
    p.AppDir = withSlash(appDir);
    p.SysFilePath = p.AppDir + "vrxsys.bin";
    p.HelpFilePath = p.AppDir + "RURu2.chm";
    return p;
}

} // namespace vrx
