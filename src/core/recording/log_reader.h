#pragma once
// Reading a recording log back. Any bytes give either a whole model or a reason; the bytes are
// never read past their end and a file is never read past what a valid recording can hold.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "iface/file_access.h"
#include "recording/log_format.h"
#include "recording/recording_model.h"

namespace vrx {

// The most bytes a valid recording can need: the header (names are cut to their widths) and a
// full hour of the longest data lines. Anything after that is ignored like lines past the limit.
inline constexpr std::size_t kMaxLogFileBytes = kLogHeaderSize + kLogMaxLines * kLogMaxLineSize;

inline constexpr int kMessageFileNotFound = 105;
inline constexpr int kMessageNotARecording = 106;

// Days of a month (1..12) of a year, leap years counted.
int daysInMonth(int year, int month);

struct LogParse {
    std::optional<Recording> recording;
    std::string reason; // why the bytes are no recording, for the error log
};

// The channel names of a file without a name block: "CH.1" ... "Flow Meter.2".
std::array<std::string, kLogChannels> defaultChannelNames();

// mResetData's parse, from the bytes of a file.
LogParse parseRecording(std::string_view bytes);

struct LogLoad {
    std::optional<Recording> recording;
    int messageNumber = 0; // 105 or 106 when nothing was loaded
    std::string procedure; // error-log entry to write, "" for none
    FileOutcome failure;   // its number and description
    bool ok() const { return recording.has_value(); }
    std::string message() const; // the user's text of messageNumber
};

// The file as mLoadBin reads it: at most kMaxLogFileBytes, through fileAccess().
FileOutcome mLoadBin(const std::string& path, std::string& bytes);

// Reads and parses the file at path. A missing file gives "File Not found." and no log entry; a
// read failure ("FrmxPlayer.mLoadBin") or bytes that are no recording ("FrmxPlayer.mResetData")
// give "This is not a valid VRX recording file.". The caller keeps its previous model on failure.
LogLoad mResetData(const std::string& path);

} // namespace vrx
