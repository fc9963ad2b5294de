#pragma once
#include <string>

namespace vrx {

// fsync of a file or folder; "" or the error text.
std::string fsyncPath(const std::string& path);

} // namespace vrx
