#include "measure/volt_table.h"

#include <array>

namespace vrx {

namespace {
constexpr std::array<const char*, kVoltSteps> kVoltTexts = {
    "7.58", "7.59", "7.61", "7.63", "7.65", "7.67", "7.69",  "7.72",  "7.74",  "7.77", "7.80",
    "7.83", "7.87", "7.91", "7.95", "8.00", "8.06", "8.11",  "8.18",  "8.26",  "8.34", "8.44",
    "8.56", "8.69", "8.85", "9.05", "9.29", "9.60", "10.01", "10.58", "11.40", "12.73"};

// 100 names the top step as well.
constexpr int kLegacyFullStep = 100;
} // namespace

std::string VoltText(int step) {
    if (step == kLegacyFullStep) return kVoltTexts.back();
    if (step < 1 || step > kVoltSteps) return {};
    return kVoltTexts[static_cast<std::size_t>(step - 1)];
}

std::string PumpVoltText(int b) {
    if (b < 0 || b >= kVoltSteps) return {};
    return VoltText(b + 1);
}

} // namespace vrx
