#include "settings/file_check.h"

#include <filesystem>
#include <system_error>

namespace vrx {

bool gFileCheck(const std::string& path, std::string* error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(path.empty() ? std::string("1234") : path, ec);
    if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory) {
        if (error) *error = ec.message();
        return false;
    }
    return fs::exists(st) && !fs::is_directory(st);
}

} // namespace vrx
