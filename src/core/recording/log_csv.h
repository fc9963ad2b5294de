#pragma once
// A recording as CSV for spreadsheets and plotting tools: RFC 4180 with CR LF, UTF-8, a header
// row "time" and the twenty channel names in file order, then one row per data line read with
// the time as in the file and the values in C, rpm and litres per minute (empty where none).
#include <string>
#include <vector>

#include "recording/recording_model.h"

namespace vrx {

std::string recordingCsv(const Recording& r);

// One CSV field: quoted, with quotes doubled, when it holds a comma, quote, CR or LF.
std::string csvField(const std::string& text);

// The CSV file beside a log: a final ".log" (any case) becomes ".csv"; otherwise ".csv" is added.
std::string csvPathFor(const std::string& logPath);

// `vrx --export-csv LOG [OUT]`, args being LOG and OUT. OUT "-" puts the CSV in stdoutText;
// otherwise it is written to OUT (default csvPathFor(LOG)) through fileAccess(). Returns the exit
// status: 0 on success, 1 when the log is missing or no recording or OUT cannot be written (the
// reason in stderrText and nothing written), 2 for a wrong argument count.
int exportCsvCommand(const std::vector<std::string>& args, std::string& stdoutText, std::string& stderrText);

} // namespace vrx
