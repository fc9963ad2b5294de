#pragma once
// The settings a fresh data folder starts with, for a controller type.
#include "settings/settings_record.h"

namespace vrx::test {

inline Settings defaults(int boardType = 2) {
    Settings s;
    SetDefaults(s, "/vrx/");
    s.sys.BoardType = static_cast<Int16>(boardType);
    return s;
}

} // namespace vrx::test
