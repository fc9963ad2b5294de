#include "recording/log_csv.h"

#include "iface/file_access.h"
#include "recording/log_reader.h"
#include "text/format.h"

namespace vrx {
namespace {

constexpr const char* kCsvLineEnd = "\r\n";

bool endsWithLog(const std::string& path) {
    const std::string ext = kLogExtension;
    if (path.size() < ext.size()) return false;
    for (std::size_t i = 0; i < ext.size(); ++i) {
        char c = path[path.size() - ext.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

} // namespace

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string recordingCsv(const Recording& r) {
    std::string out = "time";
    for (const std::string& name : r.names)
        out += "," + csvField(name);
    out += kCsvLineEnd;
    for (int line = 1; line <= r.loadedLines(); ++line) {
        out += csvField(r.time(line));
        for (int c = 1; c <= kLogChannels; ++c) {
            out += ',';
            const double v = r.value(c, line);
            if (v != kNoValue) out += formatPlain(v);
        }
        out += kCsvLineEnd;
    }
    return out;
}

std::string csvPathFor(const std::string& logPath) {
    if (endsWithLog(logPath)) return logPath.substr(0, logPath.size() - 4) + ".csv";
    return logPath + ".csv";
}

int exportCsvCommand(const std::vector<std::string>& args, std::string& stdoutText, std::string& stderrText) {
    if (args.empty() || args.size() > 2) {
        stderrText += "Usage: vrx --export-csv LOG [OUT]\n";
        return 2;
    }
    const std::string& log = args[0];
    const std::string out = args.size() == 2 ? args[1] : csvPathFor(log);
    // Writing the CSV over its own log would destroy the recording.
    if (out == log) {
        stderrText += "The CSV file cannot replace the log file.\n";
        return 1;
    }
    const LogLoad load = mResetData(log);
    if (!load.ok()) {
        stderrText += load.message() + "\n";
        return 1;
    }
    const std::string csv = recordingCsv(*load.recording);
    if (out == "-") {
        stdoutText += csv;
        return 0;
    }
    if (const FileOutcome o = fileAccess().write(out, csv); !o.ok()) {
        stderrText += out + ": " + o.description + "\n";
        return 1;
    }
    return 0;
}

} // namespace vrx
