#pragma once
// Scripted events on the simulator's timeline: "T KIND ARGS", T in seconds since start.
#include <string>
#include <string_view>
#include <vector>

namespace vrxsim {

enum class EventKind {
    Overheat,    // channel, degrees
    Cool,        // channel
    PumpStop,    // pump
    PumpStart,   // pump
    SensorOpen,  // channel
    SensorShort, // channel
    SensorOk,    // channel
    Corrupt,     // count of status frames
    Silence,     // seconds
    Unplug,
    Replug,
    Quit,
};

struct SimEvent {
    double at = 0; // seconds since start
    EventKind kind = EventKind::Quit;
    int unit = 0;     // channel 1..10, pump 1..2 or frame count, by kind
    double value = 0; // degrees for overheat, seconds for silence

    bool operator==(const SimEvent&) const = default;
};

struct EventParse {
    bool ok = false;
    bool blank = false; // an empty or comment-only line: nothing to do, not an error
    SimEvent event;
    std::string error;
};

struct ScriptParse {
    std::vector<SimEvent> events;    // in time order; events of equal time keep their order
    std::vector<std::string> errors; // "line N: ..." for each bad line
};

inline constexpr double kDefaultOverheatDegrees = 70.0;

// One line; a '#' starts a comment that runs to the end of the line.
EventParse parseEventLine(std::string_view line);

// A whole script, one event per line.
ScriptParse parseEventScript(std::string_view text);

// Stable sort by time, so a script's order decides between events at the same second.
void sortEvents(std::vector<SimEvent>& events);

// The event's own text, as a log line after "event ".
std::string describeEvent(const SimEvent& e);

// The lines of the help text that document the format.
std::string eventFormatHelp();

} // namespace vrxsim
