#include "recording/log_format.h"

#include <charconv>

#include "measure/status_text.h"
#include "text/cp1252.h"

namespace vrx {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string two(int value) {
    const int v = value % 100;
    return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

std::string four(int value) {
    return two(value / 100) + two(value);
}

// Codes chosen by a 1-based setting; any other value makes the header fail.
std::optional<std::string> choose(Int16 value, const char* first, const char* second) {
    if (value == 1) return first;
    if (value == 2) return second;
    return std::nullopt;
}

template <std::size_t N> std::string flagDigits(const std::array<Int16, N>& flags) {
    std::string digits;
    for (Int16 f : flags) digits += f == 1 ? '1' : '0';
    return digits;
}

template <std::size_t N> std::string names(const std::array<std::string, N>& list, std::size_t width) {
    std::string out;
    for (const std::string& n : list) out += headerName(n, width);
    return out;
}

std::optional<std::string> settingsLine(const Settings& s, const LocalDateTime& date, int recordLimit) {
    const auto& p = s.pump;
    const auto model1 = choose(p.FlowMeterModel[0], "17", "16");
    const auto model2 = choose(p.FlowMeterModel[1], "17", "16");
    const auto tube1 = choose(p.TubeSize[0], "10", "06");
    const auto tube2 = choose(p.TubeSize[1], "10", "06");
    const auto board = choose(s.sys.BoardType, "N", "Y");
    if (!model1 || !model2 || !tube1 || !tube2 || !board) return std::nullopt;
    return two(date.month) + "/" + two(date.day) + "/" + two(date.year) + " " + four(recordLimit) + " " + *model1 +
           " " + *model2 + " " + *tube1 + " " + *tube2 + " " + *board + " " + flagDigits(s.temp.TempRecord) + " " +
           flagDigits(s.fan.FanRecord) + " " + flagDigits(p.PumpRecord) + " " + flagDigits(p.FlowRecord);
}

bool noTemperature(const std::string& text) {
    return text.empty() || text == "S-O" || text == "S-S";
}

// "1,230" -> 1230; separators anywhere, an optional sign, digits only otherwise.
std::optional<long> speedValue(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c != ',') digits += c;
    long value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// Fans 1-6 and pumps 1-2: the status text as a whole number in 4, or empty.
bool appendSpeeds(std::string& line, const StatusTextArray& text, std::size_t first, const Int16* flags,
                  std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& t = text[first + i];
        if (flags[i] == 1 && !t.empty()) {
            const auto value = speedValue(t);
            if (!value) return false;
            line += rightAlign(std::to_string(*value), 4);
        }
        line += ',';
    }
    return true;
}

} // namespace

int logRecordLimit(Int16 periodIndex) {
    switch (periodIndex) {
    case 0: return 60;
    case 1: return 600;
    case 2: return 1800;
    default: return 3600;
    }
}

std::string firstLogPath(const std::string& folder, const std::string& base) {
    return folder + base + kLogExtension;
}

std::string continuationLogPath(const std::string& folder, const std::string& base, const LocalDateTime& t) {
    return folder + base + "_" + two(t.month) + two(t.day) + two(t.year) + two(t.hour) + two(t.minute) +
           two(t.second) + kLogExtension;
}

std::string suffixedLogPath(const std::string& path, int n) {
    const std::size_t ext = path.size() - std::string(kLogExtension).size();
    return path.substr(0, ext) + "_" + std::to_string(n) + path.substr(ext);
}

std::string rightAlign(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text;
    return std::string(width - text.size(), ' ') + text;
}

std::string headerName(const std::string& utf8Name, std::size_t width) {
    return rightAlign(utf8ToCp1252(utf8Name).substr(0, width), width);
}

std::optional<std::string> buildLogHeader(const Settings& s, const LocalDateTime& date, int recordLimit) {
    const auto line4 = settingsLine(s, date, recordLimit);
    if (!line4) return std::nullopt;
    return "stx" + names(s.temp.TempName, kLogTempNameWidth) + kCrLf + names(s.fan.FanName, kLogFanNameWidth) +
           kCrLf + names(s.pump.PumpName, kLogPumpFlowNameWidth) + names(s.pump.FlowName, kLogPumpFlowNameWidth) +
           kLogNameBlockEnd + kCrLf + *line4 + kCrLf;
}

std::optional<std::string> buildLogLine(const Settings& s, const StatusTextArray& text, const LocalDateTime& t,
                                        int lineNumber) {
    std::string line = two(t.hour) + ":" + two(t.minute) + ":" + two(t.second) + ",";
    line.reserve(kLogMaxLineSize);
    for (std::size_t i = 0; i < 10; ++i) {
        const std::string& temp = text[kFirstTempEntry + i];
        if (s.temp.TempRecord[i] == 1 && !noTemperature(temp)) line += rightAlign(temp, 3);
        line += ',';
    }
    if (!appendSpeeds(line, text, kFirstSpeedEntry, s.fan.FanRecord.data(), 6)) return std::nullopt;
    if (!appendSpeeds(line, text, kFirstSpeedEntry + 6, s.pump.PumpRecord.data(), 2)) return std::nullopt;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string& flow = text[kFirstFlowEntry + i];
        if (s.pump.FlowRecord[i] == 1 && !flow.empty()) line += rightAlign(flow, 4);
        line += ',';
    }
    return line + four(lineNumber) + kCrLf;
}

} // namespace vrx
