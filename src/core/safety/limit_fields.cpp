#include "safety/limit_fields.h"

#include <cmath>
#include <stdexcept>

#include "diag/messages.h"
#include "measure/number_value.h"
#include "text/format.h"

namespace vrx {

namespace {
constexpr int kPumpMessage = 120;
constexpr int kFlowMessage = 117;

std::size_t index(LimitField f) {
    if (f.unit < 0 || f.unit >= kLimitDevices) throw std::out_of_range("DeviceLimits: no such unit");
    return static_cast<std::size_t>(f.unit);
}

// Floor division, so a negative C value is cut towards lower F like the positive ones.
int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
} // namespace

int boardDevices(Int16 boardType) {
    return boardType == 2 ? 2 : 1;
}

int boardChannels(Int16 boardType) {
    return 5 * boardDevices(boardType);
}

std::string limitTempText(int celsius, Int16 tempUnit) {
    if (tempUnit == 1) return std::to_string(celsius);
    // Whole numbers: C x 1.8 in doubles can land a hair under a whole F and cut one degree off.
    return std::to_string(floorDiv(celsius * 9, 5) + 32);
}

std::string flowUnitText(Int16 flowUnit) {
    return flowUnit == 2 ? "GPM" : "LPM";
}

std::string pumpLimitText(const std::string& stored) {
    const std::optional<double> v = numberValue(stored);
    // Far outside any pump speed the text stays as stored rather than overflow the format.
    if (!v || std::fabs(*v) >= 1e15) return stored;
    return formatWhole(*v);
}

LimitBox& DeviceLimits::box(LimitField f) {
    return f.kind == LimitKind::Pump ? pump[index(f)] : flow[index(f)];
}

const LimitBox& DeviceLimits::box(LimitField f) const {
    return f.kind == LimitKind::Pump ? pump[index(f)] : flow[index(f)];
}

bool validLimit(LimitKind kind, const std::string& text) {
    const std::optional<double> v = numberValue(trimmed(text));
    // A negative limit would never trigger, a huge one breaks the check that reads it.
    return v && *v >= 0 && *v <= (kind == LimitKind::Pump ? kMaxPumpLimit : kMaxFlowLimit);
}

std::optional<LimitField> DeviceLimits::firstInvalid(int devices) const {
    for (int j = 0; j < devices && j < kLimitDevices; ++j)
        for (const LimitKind kind : {LimitKind::Pump, LimitKind::Flow})
            if (!validLimit(kind, box({kind, j}).text)) return LimitField{kind, j};
    return std::nullopt;
}

void warnInvalidLimit(Dialogs& dialogs, const std::string& title, LimitField field) {
    const int message = field.kind == LimitKind::Pump ? kPumpMessage : kFlowMessage;
    dialogs.standardBox(title, MessageText(message), BoxIcon::Warning, BoxButtons::Ok);
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace vrx
