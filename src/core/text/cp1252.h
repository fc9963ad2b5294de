#pragma once
// Text on disk is Windows-1252; text in memory is UTF-8.
#include <string>
#include <string_view>

namespace vrx {

// A character that Windows-1252 cannot hold becomes '?'. Malformed UTF-8 bytes do too.
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace vrx
