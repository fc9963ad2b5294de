#pragma once
#include <string>

namespace vrx {

inline constexpr const char* kGeneralTitle = "ZADa2.1";

// The numbered catalogue of user messages; unknown numbers give "".
std::string MessageText(int number);

} // namespace vrx
