#pragma once
// The recording log's texts: file names, the 230-byte header and the data lines. Everything here
// is pure, so the viewer's reading of the format can be checked against it byte for byte.
#include <optional>
#include <string>

#include "iface/clock.h"
#include "link/controller_state.h"
#include "settings/settings_record.h"

namespace vrx {

inline constexpr std::size_t kLogHeaderSize = 230;
inline constexpr const char* kLogExtension = ".log";

// Field widths of the header's name block; "&&" and CR LF close it.
inline constexpr std::size_t kLogTempNameWidth = 8;
inline constexpr std::size_t kLogFanNameWidth = 7;
inline constexpr std::size_t kLogPumpFlowNameWidth = 11;
inline constexpr const char* kLogNameBlockEnd = "&&";
// The settings line without its CR LF.
inline constexpr std::size_t kLogSettingsLineSize = 51;
// The most data lines a file holds (an hour), and the longest data line with its CR LF: time and
// comma, ten temperatures in 3, eight speeds and two flows in 4, each with its comma, the line
// number in 4.
inline constexpr int kLogMaxLines = 3600;
inline constexpr std::size_t kLogMaxLineSize = 9 + 10 * 4 + 10 * 5 + 4 + 2;

// Lines per file for RecordPeriodIndex 0..3; any other index reads as 3 so a file never has a
// limit of 0.
int logRecordLimit(Int16 periodIndex);

// folder + base + ".log".
std::string firstLogPath(const std::string& folder, const std::string& base);

// folder + base + "_" + mmddyyhhnnss + ".log".
std::string continuationLogPath(const std::string& folder, const std::string& base, const LocalDateTime& t);

// The same path with "_n" before ".log" (n >= 2), for a name that is already taken.
std::string suffixedLogPath(const std::string& path, int n);

// text padded on the left with spaces to width; a longer text is left as it is.
std::string rightAlign(const std::string& text, std::size_t width);

// A channel name in Windows-1252, cut to width characters and right-aligned in width.
std::string headerName(const std::string& utf8Name, std::size_t width);

// The whole header, CR LF included; nothing when a flow meter model, tubing or board type is not
// one of its two known values.
std::optional<std::string> buildLogHeader(const Settings& s, const LocalDateTime& date, int recordLimit);

// One data line with CR LF; nothing when a fan or pump text is not a number.
std::optional<std::string> buildLogLine(const Settings& s, const StatusTextArray& text, const LocalDateTime& t,
                                        int lineNumber);

} // namespace vrx
