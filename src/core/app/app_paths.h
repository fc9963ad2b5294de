#pragma once
#include <string>

namespace vrx {

// Paths fixed at start-up. AppDir ends in '/'.
struct AppPaths {
    std::string AppDir;
    std::string SysFilePath;
    std::string HelpFilePath;
    std::string LogBaseName = "VRX";
    std::string errorLogPath() const { return AppDir + "debug.log"; }
    std::string lockFilePath() const { return AppDir + ".vrx.lock"; }
};

// The data folder: the one given on the command line, else the program's folder when it is
// writable, else <home>/.local/share/vrx/. The folder is created if missing; when that fails,
// *error (if given) receives the reason.
std::string resolveAppDir(const std::string& overrideDir, const std::string& exeDir,
                          const std::string& homeDir, std::string* error = nullptr);

// "" when dir is a folder this process can create files in, else the reason it is not.
std::string checkDataFolder(const std::string& dir);

AppPaths makeAppPaths(const std::string& appDir);

} // namespace vrx
