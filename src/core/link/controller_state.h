#pragma once
// What the program knows of the controller and what it wants the controller to have.
#include <array>
#include <cstdint>
#include <string>

namespace vrx {

inline constexpr std::size_t kStatusFrameSize = 26;
inline constexpr std::size_t kControlFrameSize = 40;

using StatusArray = std::array<std::int16_t, kStatusFrameSize>;
using ControlArray = std::array<std::int16_t, kControlFrameSize>;
using StatusTextArray = std::array<std::string, kStatusFrameSize>;

struct ControllerState {
    StatusArray StatusBytes{};     // last accepted status frame, offsets applied
    ControlArray ControlBytes{};   // what the controller is to receive
    StatusTextArray StatusText{};  // reading texts built from StatusBytes
    std::int16_t LayoutBoardType = 0; // board type the main window was last arranged for
};

} // namespace vrx
