#pragma once
#include <string>

namespace vrx {

// True when a file (not a folder) exists at path; links are followed, so a dangling one does not
// count. An empty path is looked up as the name "1234". When the check itself fails (for example a
// folder on the way cannot be searched) the result is false and *error, if given, receives the
// text for the caller to log under "ModFun.gFileCheck"; a plain absence is no error.
bool gFileCheck(const std::string& path, std::string* error = nullptr);

} // namespace vrx
