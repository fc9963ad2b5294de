#pragma once
// Writes the fan and pump bytes of the control frame. Whatever a damaged or hand-edited system
// file holds, a byte written here stays in its range, so the frame stays valid and the link up;
// the first bad value of each kind is logged under the procedure that met it.
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "link/controller_state.h"
#include "outputs/levels.h"

namespace vrx {

class OutputBytes {
public:
    using Log = std::function<void(const std::string& procedure, const std::string& description)>;

    OutputBytes(ControllerState& state, Log log) : m_state(state), m_log(std::move(log)) {}

    // Output 1..6 (fans) or 1..2 (pumps): percent 0..100 for a fan, step byte 0..31 for a pump.
    void set(OutputKind kind, int output, int value, const std::string& procedure);
    // The power of a fixed level: table entry `entry` at level setting `setting`.
    void setManual(const Settings& s, OutputKind kind, int output, int entry, int setting,
                   const std::string& procedure);
    // A table value or level setting the menus would never produce, logged once; true if fine.
    bool checkLevel(OutputKind kind, int setting, const std::string& procedure);
    bool checkTableValue(OutputKind kind, int value, const std::string& procedure);

    std::int16_t byte(OutputKind kind, int output) const;

    // While this says an alarm is up, a write that would lower an output is not made: the alarm
    // response owns the outputs. Such a refusal is remembered until takeRefusal().
    void setAlarmGuard(std::function<bool()> alarmUp) { m_alarmUp = std::move(alarmUp); }
    bool takeRefusal() { return std::exchange(m_refused, false); }

private:
    void logOnce(const std::string& procedure, const std::string& description);
    void write(OutputKind kind, int output, std::int16_t value);

    ControllerState& m_state;
    Log m_log;
    std::set<std::string> m_logged;
    std::function<bool()> m_alarmUp;
    bool m_refused = false;
};

// Control frame index of output 1..6 (fans) or 1..2 (pumps).
std::size_t outputByteIndex(OutputKind kind, int output);

} // namespace vrx
