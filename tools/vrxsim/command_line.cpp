#include "vrxsim/command_line.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace vrxsim {
namespace {

template <typename T> bool parseWhole(const std::string& s, T& out) {
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, out);
    return !s.empty() && ec == std::errc{} && p == end;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    auto& o = cl.options;
    bool haveDir = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.help = true;
            continue;
        }
        if (a == "--quiet") {
            o.quiet = true;
            continue;
        }
        const bool takesValue = a == "--app-dir" || a == "--port" || a == "--board" || a == "--seed" ||
                                a == "--script" || a == "--event";
        if (!takesValue) {
            cl.errors.push_back("unknown option '" + a + "'");
            continue;
        }
        if (i + 1 >= args.size()) {
            cl.errors.push_back(a + " needs a value");
            break;
        }
        const std::string& v = args[++i];
        if (a == "--app-dir") {
            o.appDir = v;
            haveDir = !v.empty();
        } else if (a == "--port") {
            if (!parseWhole(v, o.port) || o.port < 1 || o.port > 255)
                cl.errors.push_back("--port '" + v + "' is not 1..255");
        } else if (a == "--board") {
            if (!parseWhole(v, o.boardType) || (o.boardType != 1 && o.boardType != 2))
                cl.errors.push_back("--board '" + v + "' is not 1 or 2");
        } else if (a == "--seed") {
            if (!parseWhole(v, o.seed)) cl.errors.push_back("--seed '" + v + "' is not a whole number");
        } else if (a == "--event") {
            const EventParse r = parseEventLine(v);
            if (r.ok)
                o.events.push_back(r.event);
            else
                cl.errors.push_back("--event '" + v + "': " + (r.blank ? "no event" : r.error));
        } else { // --script
            std::ifstream in(v, std::ios::binary);
            if (!in) {
                cl.errors.push_back("cannot read script '" + v + "'");
                continue;
            }
            std::ostringstream text;
            text << in.rdbuf();
            ScriptParse s = parseEventScript(text.str());
            o.events.insert(o.events.end(), s.events.begin(), s.events.end());
            for (const auto& e : s.errors)
                cl.errors.push_back(v + " " + e);
        }
    }
    if (!haveDir && !cl.help) cl.errors.push_back("--app-dir DIR is required");
    sortEvents(o.events);
    return cl;
}

std::string usageText() {
    return "Usage: vrxsim --app-dir DIR [--port N] [--board 1|2] [--seed S] [--script FILE]\n"
           "              [--event \"T KIND ARGS\"]... [--quiet]\n"
           "\n"
           "A simulated cooling controller on a pseudo-terminal, linked as DIR/ports/COM<N>.\n"
           "It answers the identify command, sends a status frame every second once identified,\n"
           "applies control frames and stops sending after 15 s without any message.\n"
           "\n"
           "  --app-dir DIR   the program's data folder (required)\n"
           "  --port N        port number 1..255 (default 1)\n"
           "  --board 1|2     1 = small box (5 channels, 3 fans, 1 pump, 1 flow meter), 2 = full (default)\n"
           "  --seed S        seed of the model's jitter (default 1); the same seed repeats a run\n"
           "  --script FILE   events from a file\n"
           "  --event EVENT   one event; may be repeated\n"
           "  --quiet         do not print the messages received\n"
           "  --help          this text\n"
           "\n"
           "Output: one line per message received (rx identify, rx keepalive, rx control ...,\n"
           "rx bad-checksum ...) and per event (event ..., unplugged, replugged).\n"
           "\n" +
           eventFormatHelp();
}

} // namespace vrxsim
