#pragma once
// What the alarm and shutdown settings share: the channels a board has, temperatures in the
// display unit, and the pump and flow limit boxes with their check before a save.
#include <array>
#include <optional>
#include <string>

#include "iface/dialogs.h"
#include "settings/settings_record.h"

namespace vrx {

inline constexpr int kLimitChannels = 10; // temperature channels of the largest board
inline constexpr int kLimitDevices = 2;   // pumps, and flow meters, of the largest board

// Pumps (and flow meters) in use: 2 on board type 2, 1 on any other.
int boardDevices(Int16 boardType);
// Temperature channels in use: 5 per pump.
int boardChannels(Int16 boardType);

// A whole C limit as the settings dialogs show it: as is for unit 1, else the whole part of
// C x 1.8 + 32 (cut, not rounded: 1 C shows as 33 F).
std::string limitTempText(int celsius, Int16 tempUnit);
// "LPM", or "GPM" for flow unit 2.
std::string flowUnitText(Int16 flowUnit);
// A stored pump limit as its box shows it: "#,0" when it is a number ("1500" -> "1,500"),
// otherwise as stored.
std::string pumpLimitText(const std::string& stored);

// Largest pump limit accepted: the alarm check reads it as a 16-bit integer.
inline constexpr double kMaxPumpLimit = 32767;
// Largest flow limit accepted, in either flow unit.
inline constexpr double kMaxFlowLimit = 1000;

enum class LimitKind { Pump, Flow };
struct LimitField {
    LimitKind kind;
    int unit; // 0..1
    bool operator==(const LimitField&) const = default;
};

struct LimitBox {
    bool on = false;
    std::string text;
    bool operator==(const LimitBox&) const = default;
};

// The pump and flow boxes of a settings dialog.
struct DeviceLimits {
    std::array<LimitBox, kLimitDevices> pump;
    std::array<LimitBox, kLimitDevices> flow;

    LimitBox& box(LimitField f);
    const LimitBox& box(LimitField f) const;
    // The first box of the `devices` in use, in the order pump 1, flow 1, pump 2, flow 2, whose
    // trimmed text is not a number in range; none when all are.
    std::optional<LimitField> firstInvalid(int devices) const;
    bool operator==(const DeviceLimits&) const = default;
};

// Whether a limit text is accepted for a box of that kind.
bool validLimit(LimitKind kind, const std::string& text);

// Shows the warning for a refused box in a box with the dialog's title.
void warnInvalidLimit(Dialogs& dialogs, const std::string& title, LimitField field);

// Text without the blanks around it, as the boxes' texts are stored.
std::string trimmed(const std::string& text);

} // namespace vrx
