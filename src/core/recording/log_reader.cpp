#include "recording/log_reader.h"

#include <cerrno>
#include <charconv>

#include "diag/messages.h"
#include "iface/file_access.h"
#include "text/cp1252.h"

namespace vrx {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kTimeSize = 8; // "hh:mm:ss"
// The writer's fields are 3 or 4 characters; a longer bound still keeps every value far from
// where any later figure (Fahrenheit, thousands) could overflow.
constexpr std::size_t kMaxFieldSize = 16;

// Where the settings line keeps its fields (0-based).
constexpr std::size_t kDateAt = 0;
constexpr std::size_t kLimitAt = 9;
constexpr std::size_t kModelAt[2] = {14, 17};
constexpr std::size_t kTubeAt[2] = {20, 23};
constexpr std::size_t kBoardAt = 26;
constexpr std::size_t kSeparatorsAt[] = {8, 13, 16, 19, 22, 25, 27, 38, 45, 48};
// First digit of each group of recorded-channel flags, and the group's size.
constexpr struct { std::size_t at, count; } kFlagGroups[] = {{28, 10}, {39, 6}, {46, 2}, {49, 2}};

struct ParseError {
    std::string reason;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!isDigit(c)) return false;
    return true;
}

int digitsValue(std::string_view s) {
    int v = 0;
    for (char c : s)
        v = v * 10 + (c - '0');
    return v;
}

// A field's number: leading spaces, an optional minus, digits, an optional fraction. Nothing
// else: no "nan", "inf", hex, exponent, plus sign or trailing characters.
std::optional<double> strictNumber(std::string_view field) {
    std::size_t i = field.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    const std::size_t start = i;
    if (field[i] == '-') ++i;
    const std::size_t wholeAt = i;
    while (i < field.size() && isDigit(field[i]))
        ++i;
    if (i == wholeAt) return std::nullopt;
    if (i < field.size() && field[i] == '.') {
        const std::size_t fractionAt = ++i;
        while (i < field.size() && isDigit(field[i]))
            ++i;
        if (i == fractionAt) return std::nullopt;
    }
    if (i != field.size()) return std::nullopt;
    double value = 0;
    const auto r =
        std::from_chars(field.data() + start, field.data() + field.size(), value, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != field.data() + field.size()) return std::nullopt;
    return value == 0 ? 0.0 : value; // no "-0" in any later text
}

// "ab:cd:ef" style: two-digit fields, each at most its maximum.
bool twoDigitTriple(std::string_view s, char separator, const int (&min)[3], const int (&max)[3]) {
    if (s.size() != kTimeSize || s[2] != separator || s[5] != separator) return false;
    for (int k = 0; k < 3; ++k) {
        const std::string_view part = s.substr(static_cast<std::size_t>(3 * k), 2);
        if (!allDigits(part)) return false;
        const int v = digitsValue(part);
        if (v < min[k] || v > max[k]) return false;
    }
    return true;
}

bool validTime(std::string_view s) {
    return twoDigitTriple(s, ':', {0, 0, 0}, {23, 59, 59});
}

bool validDate(std::string_view s) {
    if (!twoDigitTriple(s, '/', {1, 1, 0}, {12, 31, 99})) return false;
    const int month = digitsValue(s.substr(0, 2));
    return digitsValue(s.substr(3, 2)) <= daysInMonth(2000 + digitsValue(s.substr(6, 2)), month);
}

std::string_view trimSpaces(std::string_view s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Part of the name block, cut to what the block holds.
std::string nameAt(std::string_view block, std::size_t at, std::size_t width) {
    if (at >= block.size()) return {};
    return cp1252ToUtf8(trimSpaces(block.substr(at, width)));
}

bool startsWithStx(std::string_view s) {
    if (s.size() < 3) return false;
    const auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return up(s[0]) == 'S' && up(s[1]) == 'T' && up(s[2]) == 'X';
}

// Takes the names from the block before "&&" and returns the bytes after its line end.
std::string_view readNames(std::string_view s, Recording& r) {
    const std::size_t end = s.find(kLogNameBlockEnd, 3);
    if (end == std::string_view::npos) throw ParseError{"The name block has no end"};
    const std::size_t after = end + 2;
    if (s.substr(after, 2) != kCrLf) throw ParseError{"No line end after the name block"};
    const std::string_view block = s.substr(3, end - 3);
    std::size_t at = 0;
    for (std::size_t i = 0; i < 10; ++i, at += kLogTempNameWidth)
        r.names[i] = nameAt(block, at, kLogTempNameWidth);
    at += kCrLf.size();
    for (std::size_t i = 0; i < 6; ++i, at += kLogFanNameWidth)
        r.names[10 + i] = nameAt(block, at, kLogFanNameWidth);
    at += kCrLf.size();
    for (std::size_t i = 0; i < 4; ++i, at += kLogPumpFlowNameWidth)
        r.names[16 + i] = nameAt(block, at, kLogPumpFlowNameWidth);
    return s.substr(after + 2);
}

void readSettingsLine(std::string_view s, Recording& r) {
    if (s.size() < kLogSettingsLineSize + 2 || s.substr(kLogSettingsLineSize, 2) != kCrLf)
        throw ParseError{"No settings line"};
    for (std::size_t at : kSeparatorsAt)
        if (s[at] != ' ') throw ParseError{"The settings line's fields are out of place"};
    const std::string_view date = s.substr(kDateAt, kTimeSize);
    if (!validDate(date)) throw ParseError{"The start date is not a date"};
    r.startDate = std::string(date);
    r.start.month = digitsValue(date.substr(0, 2));
    r.start.day = digitsValue(date.substr(3, 2));
    r.start.year = 2000 + digitsValue(date.substr(6, 2));
    const std::string_view limit = s.substr(kLimitAt, 4);
    if (!allDigits(limit) || digitsValue(limit) < 1 || digitsValue(limit) > kLogMaxLines)
        throw ParseError{"The line limit is not a number from 1 to 3600"};
    r.LogLineLimit = digitsValue(limit);
    for (std::size_t m = 0; m < 2; ++m) {
        r.LogFlowModel[m] = cp1252ToUtf8(s.substr(kModelAt[m], 2));
        r.LogTubeCode[m] = cp1252ToUtf8(s.substr(kTubeAt[m], 2));
    }
    r.LogBoardFlag = s[kBoardAt];
    std::size_t channel = 0;
    for (const auto& g : kFlagGroups)
        for (std::size_t k = 0; k < g.count; ++k) {
            const char c = s[g.at + k];
            if (!isDigit(c)) throw ParseError{"A recorded-channel flag is not a digit"};
            r.LogChannelOn[channel++] = c - '0';
        }
}

std::array<double, kLogChannels> readDataLine(std::string_view line, int number) {
    const std::string where = "Data line " + std::to_string(number) + ": ";
    if (line.size() <= kTimeSize || line[kTimeSize] != ',' || !validTime(line.substr(0, kTimeSize)))
        throw ParseError{where + "no time"};
    std::array<double, kLogChannels> values;
    values.fill(kNoValue);
    std::size_t start = kTimeSize + 1;
    for (double& value : values) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) throw ParseError{where + "too few fields"};
        const std::string_view field = line.substr(start, comma - start);
        if (!field.empty()) {
            if (field.size() > kMaxFieldSize) throw ParseError{where + "a field is too long"};
            const auto number = strictNumber(field);
            if (!number) throw ParseError{where + "a field is not a number"};
            value = *number;
        }
        start = comma + 1;
    }
    return values; // the line number after the last comma is not needed
}

// Lines end in CR LF; a last line without its line end was cut short and is left out.
void readDataLines(std::string_view data, Recording& r) {
    std::size_t at = 0;
    while (r.loadedLines() < r.LogLineLimit) {
        const std::size_t cr = data.find('\r', at);
        if (cr == std::string_view::npos) break;
        if (cr + 1 < data.size() && data[cr + 1] != '\n') throw ParseError{"A line ends in CR without LF"};
        const std::string_view line = data.substr(at, cr - at);
        r.lines.push_back(readDataLine(line, r.loadedLines() + 1));
        r.LogTimes.emplace_back(line.substr(0, kTimeSize));
        at = cr + 2;
    }
    if (r.lines.empty()) throw ParseError{"No data line"};
    const std::string& first = r.LogTimes.front();
    r.start.hour = digitsValue(std::string_view(first).substr(0, 2));
    r.start.minute = digitsValue(std::string_view(first).substr(3, 2));
    r.start.second = digitsValue(std::string_view(first).substr(6, 2));
}

} // namespace

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

ChannelKind channelKind(int channel) {
    if (channel >= kFirstFlowChannel) return ChannelKind::Flow;
    if (channel >= kFirstPumpChannel) return ChannelKind::Pump;
    if (channel >= kFirstFanChannel) return ChannelKind::Fan;
    return ChannelKind::Temperature;
}

LogParse parseRecording(std::string_view bytes) {
    std::string_view s = bytes.substr(0, kMaxLogFileBytes);
    try {
        Recording r;
        if (startsWithStx(s)) {
            s = readNames(s, r);
        } else {
            r.names = defaultChannelNames();
        }
        readSettingsLine(s, r);
        r.lines.reserve(static_cast<std::size_t>(r.LogLineLimit));
        r.LogTimes.reserve(static_cast<std::size_t>(r.LogLineLimit));
        readDataLines(s.substr(kLogSettingsLineSize + 2), r);
        return {std::move(r), {}};
    } catch (const ParseError& e) {
        return {std::nullopt, e.reason};
    }
}

std::string LogLoad::message() const {
    return MessageText(messageNumber);
}

FileOutcome mLoadBin(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileOutcome o = fileAccess().read(path, kMaxLogFileBytes, bytes);
    if (!o.ok()) bytes.clear();
    return o;
}

std::array<std::string, kLogChannels> defaultChannelNames() {
    std::array<std::string, kLogChannels> names;
    for (int i = 0; i < 10; ++i)
        names[static_cast<std::size_t>(i)] = "CH." + std::to_string(i + 1);
    for (int i = 0; i < 6; ++i)
        names[static_cast<std::size_t>(10 + i)] = "Fan." + std::to_string(i + 1);
    names[16] = "Pump.1";
    names[17] = "Pump.2";
    names[18] = "Flow Meter.1";
    names[19] = "Flow Meter.2";
    return names;
}

LogLoad mResetData(const std::string& path) {
    LogLoad load;
    std::string bytes;
    if (FileOutcome o = mLoadBin(path, bytes); !o.ok()) {
        if (o.number == ENOENT || o.number == ENOTDIR) {
            load.messageNumber = kMessageFileNotFound;
        } else {
            load.messageNumber = kMessageNotARecording;
            load.procedure = "FrmxPlayer.mLoadBin";
            load.failure = o;
        }
        return load;
    }
    LogParse parse = parseRecording(bytes);
    if (!parse.recording) {
        load.messageNumber = kMessageNotARecording;
        load.procedure = "FrmxPlayer.mResetData";
        load.failure = {EINVAL, parse.reason};
        return load;
    }
    load.recording = std::move(parse.recording);
    return load;
}

} // namespace vrx
