#include "vrxsim/event_script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vrxsim {
namespace {

enum class Arg { None, Channel, Pump, Count, Seconds, ChannelDegrees };

struct KindInfo {
    std::string_view name;
    EventKind kind;
    Arg arg;
};

constexpr std::array<KindInfo, 12> kKinds{{
    {"overheat", EventKind::Overheat, Arg::ChannelDegrees},
    {"cool", EventKind::Cool, Arg::Channel},
    {"pump-stop", EventKind::PumpStop, Arg::Pump},
    {"pump-start", EventKind::PumpStart, Arg::Pump},
    {"sensor-open", EventKind::SensorOpen, Arg::Channel},
    {"sensor-short", EventKind::SensorShort, Arg::Channel},
    {"sensor-ok", EventKind::SensorOk, Arg::Channel},
    {"corrupt", EventKind::Corrupt, Arg::Count},
    {"silence", EventKind::Silence, Arg::Seconds},
    {"unplug", EventKind::Unplug, Arg::None},
    {"replug", EventKind::Replug, Arg::None},
    {"quit", EventKind::Quit, Arg::None},
}};

const KindInfo* findKind(std::string_view name) {
    for (const auto& k : kKinds)
        if (k.name == name) return &k;
    return nullptr;
}

const KindInfo& infoOf(EventKind kind) {
    for (const auto& k : kKinds)
        if (k.kind == kind) return k;
    return kKinds.back();
}

std::vector<std::string_view> splitWords(std::string_view s) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r'))
            ++i;
        const std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r')
            ++i;
        if (i > start) words.push_back(s.substr(start, i - start));
    }
    return words;
}

bool parseNumber(std::string_view w, double& out) {
    const char* end = w.data() + w.size();
    auto [p, ec] = std::from_chars(w.data(), end, out);
    return ec == std::errc{} && p == end && std::isfinite(out);
}

bool parseInt(std::string_view w, int& out) {
    const char* end = w.data() + w.size();
    auto [p, ec] = std::from_chars(w.data(), end, out);
    return ec == std::errc{} && p == end;
}

EventParse fail(std::string message) {
    EventParse r;
    r.error = std::move(message);
    return r;
}

std::string quoted(std::string_view w) {
    return "'" + std::string(w) + "'";
}

std::string formatNumber(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

} // namespace

EventParse parseEventLine(std::string_view line) {
    if (const auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    const auto words = splitWords(line);
    if (words.empty()) {
        EventParse r;
        r.blank = true;
        return r;
    }

    EventParse r;
    if (!parseNumber(words[0], r.event.at) || r.event.at < 0)
        return fail("time " + quoted(words[0]) + " is not a number of seconds >= 0");
    if (words.size() < 2) return fail("missing event kind after the time");
    const KindInfo* info = findKind(words[1]);
    if (!info) return fail("unknown event " + quoted(words[1]));
    r.event.kind = info->kind;

    const std::size_t args = words.size() - 2;
    const std::size_t maxArgs = info->arg == Arg::None ? 0 : info->arg == Arg::ChannelDegrees ? 2 : 1;
    const std::size_t minArgs = info->arg == Arg::None ? 0 : 1;
    const std::string name(info->name);
    if (args < minArgs) return fail(name + " needs an argument");
    if (args > maxArgs) return fail("too many arguments for " + name);

    switch (info->arg) {
    case Arg::None:
        break;
    case Arg::Channel:
    case Arg::ChannelDegrees:
        if (!parseInt(words[2], r.event.unit) || r.event.unit < 1 || r.event.unit > 10)
            return fail(name + ": channel " + quoted(words[2]) + " is not 1..10");
        if (info->arg == Arg::ChannelDegrees) {
            r.event.value = kDefaultOverheatDegrees;
            if (args == 2 &&
                (!parseNumber(words[3], r.event.value) || r.event.value < -30 || r.event.value > 130))
                return fail(name + ": degrees " + quoted(words[3]) + " is not -30..130");
        }
        break;
    case Arg::Pump:
        if (!parseInt(words[2], r.event.unit) || r.event.unit < 1 || r.event.unit > 2)
            return fail(name + ": pump " + quoted(words[2]) + " is not 1 or 2");
        break;
    case Arg::Count:
        if (!parseInt(words[2], r.event.unit) || r.event.unit < 1)
            return fail(name + ": frame count " + quoted(words[2]) + " is not a whole number >= 1");
        break;
    case Arg::Seconds:
        if (!parseNumber(words[2], r.event.value) || r.event.value <= 0)
            return fail(name + ": seconds " + quoted(words[2]) + " is not a number > 0");
        break;
    }
    r.ok = true;
    return r;
}

ScriptParse parseEventScript(std::string_view text) {
    ScriptParse out;
    std::size_t lineNo = 0;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        const std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        ++lineNo;
        const EventParse r = parseEventLine(line);
        if (r.ok)
            out.events.push_back(r.event);
        else if (!r.blank)
            out.errors.push_back("line " + std::to_string(lineNo) + ": " + r.error);
    }
    sortEvents(out.events);
    return out;
}

void sortEvents(std::vector<SimEvent>& events) {
    std::stable_sort(events.begin(), events.end(),
                     [](const SimEvent& a, const SimEvent& b) { return a.at < b.at; });
}

std::string describeEvent(const SimEvent& e) {
    std::string s(infoOf(e.kind).name);
    switch (infoOf(e.kind).arg) {
    case Arg::None:
        break;
    case Arg::Channel:
        s += " ch=" + std::to_string(e.unit);
        break;
    case Arg::ChannelDegrees:
        s += " ch=" + std::to_string(e.unit) + " degrees=" + formatNumber(e.value);
        break;
    case Arg::Pump:
        s += " pump=" + std::to_string(e.unit);
        break;
    case Arg::Count:
        s += " frames=" + std::to_string(e.unit);
        break;
    case Arg::Seconds:
        s += " seconds=" + formatNumber(e.value);
        break;
    }
    return s;
}

std::string eventFormatHelp() {
    return "Events: one per --event option or per line of the --script file, '#' starts a comment.\n"
           "  T is the time in seconds since start (decimals allowed); CH is 1..10, P is 1..2.\n"
           "  T overheat CH [DEGREES]  channel CH climbs to DEGREES C (default 70, -30..130)\n"
           "  T cool CH                channel CH returns to the model's temperature\n"
           "  T pump-stop P            pump P stops (no rpm, no flow) whatever its power\n"
           "  T pump-start P           pump P runs again\n"
           "  T sensor-open CH         channel CH reports an open sensor (code 1)\n"
           "  T sensor-short CH        channel CH reports a shorted sensor (code 254)\n"
           "  T sensor-ok CH           channel CH reports its temperature again\n"
           "  T corrupt N              the next N status frames carry a wrong checksum\n"
           "  T silence S              send nothing for S seconds, stay plugged\n"
           "  T unplug                 close the port and remove its link, like pulling the cable\n"
           "  T replug                 open a new port and link it again\n"
           "  T quit                   end the simulator\n";
}

} // namespace vrxsim
