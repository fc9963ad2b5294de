#include "app/app_paths.h"

#include <filesystem>
#include <fstream>

namespace vrx {
namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

// Writable means we can create and remove a file there, not just what the mode bits claim.
bool isWritableDir(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    const fs::path probe = dir / ".vrx-write-test";
    {
        std::ofstream out(probe);
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}

} // namespace

std::string resolveAppDir(const std::string& overrideDir, const std::string& exeDir, const std::string& homeDir) {
    std::error_code ec;
    if (!overrideDir.empty()) {
        fs::create_directories(overrideDir, ec);
        return withSlash(fs::absolute(overrideDir, ec).lexically_normal().string());
    }
    if (!exeDir.empty() && isWritableDir(exeDir)) return withSlash(exeDir);
    const fs::path fallback = fs::path(homeDir.empty() ? "/tmp" : homeDir) / ".local/share/vrx";
    fs::create_directories(fallback, ec);
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
