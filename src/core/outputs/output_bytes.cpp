#include "outputs/output_bytes.h"

#include <algorithm>

#include "link/control_frame.h"
#include "measure/volt_table.h"

namespace vrx {

namespace {
const char* kindName(OutputKind kind) {
    return kind == OutputKind::Fan ? "fan" : "pump";
}
int maxByte(OutputKind kind) {
    return kind == OutputKind::Fan ? 100 : StepByte(kVoltSteps);
}
} // namespace

std::size_t outputByteIndex(OutputKind kind, int output) {
    return kind == OutputKind::Fan ? ct::FanPower + static_cast<std::size_t>(output - 1)
                                   : ct::PumpPower + static_cast<std::size_t>(output - 1);
}

void OutputBytes::logOnce(const std::string& procedure, const std::string& description) {
    if (!m_logged.insert(procedure + "\n" + description).second) return;
    if (m_log) m_log(procedure, description);
}

bool OutputBytes::checkLevel(OutputKind kind, int setting, const std::string& procedure) {
    if (isKnownLevel(kind, setting)) return true;
    logOnce(procedure, std::string("Invalid ") + kindName(kind) + " level setting " + std::to_string(setting) +
                           ", used as Level 10");
    return false;
}

bool OutputBytes::checkTableValue(OutputKind kind, int value, const std::string& procedure) {
    const bool ok = kind == OutputKind::Fan ? value >= 0 && value <= 100 : value >= 1 && value <= kVoltSteps;
    if (!ok)
        logOnce(procedure, std::string("Invalid ") + kindName(kind) + " level power " + std::to_string(value) +
                               ", limited to its range");
    return ok;
}

void OutputBytes::set(OutputKind kind, int output, int value, const std::string& procedure) {
    const int top = maxByte(kind);
    if (value < 0 || value > top)
        logOnce(procedure, std::string("Invalid ") + kindName(kind) + " output " + std::to_string(value) +
                               ", limited to 0.." + std::to_string(top));
    write(kind, output, static_cast<std::int16_t>(std::clamp(value, 0, top)));
}

void OutputBytes::write(OutputKind kind, int output, std::int16_t value) {
    std::int16_t& b = m_state.ControlBytes[outputByteIndex(kind, output)];
    if (value < b && m_alarmUp && m_alarmUp()) {
        m_refused = true;
        return;
    }
    b = value;
}

void OutputBytes::setManual(const Settings& s, OutputKind kind, int output, int entry, int setting,
                            const std::string& procedure) {
    checkLevel(kind, setting, procedure);
    const int level = effectiveLevel(kind, setting);
    if (isFixedLevel(level)) checkTableValue(kind, levelTable(s, kind, entry, level - 2), procedure);
    write(kind, output, manualOut(s, kind, entry, setting));
}

std::int16_t OutputBytes::byte(OutputKind kind, int output) const {
    return m_state.ControlBytes[outputByteIndex(kind, output)];
}

} // namespace vrx
