#pragma once
// The link's text log files beside the program.
#include <cstdint>
#include <span>
#include <string>

#include "iface/clock.h"

namespace vrx {

// Appends `line` + CR LF to appDir + name + ".log", creating the file. Throws std::runtime_error
// when the file cannot be written.
void AppendLogLine(const std::string& appDir, const std::string& line, const std::string& name);

// The "req" log line of an identified controller: the probe's start stamp, " COM", the port,
// " ", reply bytes 0..38 each followed by ",", byte 39, and a CR (the file has always carried it
// before the CR LF that ends every line). `reply` holds at least 40 bytes.
std::string reqLogLine(const LocalDateTime& start, int port, std::span<const std::uint8_t> reply);

} // namespace vrx
