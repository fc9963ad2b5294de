#include "diag/error_log.h"

#include <filesystem>

#include "iface/file_access.h"
#include "text/cp1252.h"
#include "text/format.h"

namespace vrx {

std::string appendLine(const std::string& path, const std::string& line) {
    return fileAccess().append(path, utf8ToCp1252(line) + "\r\n").description;
}

ErrorLog::ErrorLog(std::string path, const Int16& debugLog, const Clock& clock, Dialogs& dialogs)
    : m_path(std::move(path)), m_debugLog(debugLog), m_clock(clock), m_dialogs(dialogs) {}

void ErrorLog::LogError(const std::string& name, const std::string& number, const std::string& description,
                        int /*flag*/) {
    if (m_debugLog == 0) return;
    const std::string line = formatGeneralDateTime(m_clock.now()) + ", " + name + ", " + number + ":" + description;
    const std::string failure = appendLine(m_path, line);
    if (!failure.empty()) m_dialogs.standardBox("Debug Log", failure, BoxIcon::Warning, BoxButtons::Ok);
}

void ErrorLog::ensureHeader() {
    std::error_code ec;
    if (std::filesystem::exists(m_path, ec)) return;
    appendLine(m_path, "RURu2 Debugs");
}

} // namespace vrx
