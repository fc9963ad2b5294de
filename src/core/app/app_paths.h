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

// The data folder: the one given on the command line, else <xdgDataHome>/vrx/ when xdgDataHome is
// an absolute path, else <homeDir>/.local/share/vrx/. Never the program's own folder: an installed
// program started as root must not write beside its executable. The folder is created if missing;
// when that fails, or there is no home to put it in, *error (if given) receives the reason (and
// the result is "" when there was no folder to name).
std::string resolveAppDir(const std::string& overrideDir, const std::string& xdgDataHome,
                          const std::string& homeDir, std::string* error = nullptr);

// The data folder when none is given, without creating it; "" when there is no home to put it in.
std::string defaultAppDir(const std::string& xdgDataHome, const std::string& homeDir);

// "" when dir is a folder this process can create files in, else the reason it is not.
std::string checkDataFolder(const std::string& dir);

// The user manual, relative to the executable's folder: the build tree lays it out as an
// installation does, so one rule finds both ("" when exeDir is unknown).
std::string helpFilePathFor(const std::string& exeDir);

AppPaths makeAppPaths(const std::string& appDir, const std::string& exeDir = {});

} // namespace vrx
