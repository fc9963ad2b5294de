#pragma once
// The system file: the five settings records back to back, with no header and no checksum.
// Integer = 2 bytes LE, Long = 4 bytes LE, Double = 8 bytes IEEE LE, String = 2-byte LE length
// followed by that many Windows-1252 bytes. Bytes after the last record are never read.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "iface/file_access.h"
#include "settings/settings_record.h"

namespace vrx {

// Result of reading or writing the file: number is 62 for a file that ends before the last record
// does, else as for any file (iface/file_access.h).
using LoadOutcome = FileOutcome;
using SaveOutcome = FileOutcome;

inline constexpr int kInputPastEnd = 62;
inline constexpr const char* kInputPastEndText = "Input past end of file";

// The whole file image, and one record's image (the file is their concatenation in this order).
std::vector<std::uint8_t> serializeSettings(const Settings& s);
std::vector<std::uint8_t> serializeRecord(const TempSettings& r);
std::vector<std::uint8_t> serializeRecord(const FanSettings& r);
std::vector<std::uint8_t> serializeRecord(const PumpFlowSettings& r);
std::vector<std::uint8_t> serializeRecord(const SysMain& r);
std::vector<std::uint8_t> serializeRecord(const PumpTestData& r);

// Reads the five records into s field by field. On failure the fields read so far keep their new
// values and the rest keep what they held before; nothing is read past the end of bytes.
LoadOutcome parseSettings(std::span<const std::uint8_t> bytes, Settings& s);

// Reads the file at path into s (same partial-load rule). Anything but a regular file fails to
// load. The caller logs a failure.
LoadOutcome gLoadBIN(const std::string& path, Settings& s);

// Replaces the file at path with the records of s: the data goes to a temporary file in the same
// folder, is made durable, and is renamed over the old file, so a failure at any point leaves the
// old file as it was. A new file gets mode 0644, an existing one keeps its mode. A link at path is
// saved through to its target, which must be a regular file (never a device, FIFO or folder). The
// caller shows a failure to the user.
SaveOutcome SaveSystemFile(const std::string& path, const Settings& s);

// Makes a written file (or, after the rename, its folder) durable on the storage device and
// returns "" or the error text. The core cannot reach the OS, so the program installs the
// platform's fsync here at start; without one, saves are still atomic but not synced.
using FileSync = std::function<std::string(const std::string& path)>;
void installFileSync(FileSync sync);

} // namespace vrx
