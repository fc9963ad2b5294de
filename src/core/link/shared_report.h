#pragma once
// The raw readings published after every accepted status frame in a named shared-memory block,
// so other programs can read them without opening the serial port.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "iface/shared_memory.h"

namespace vrx {

class SharedReport {
public:
    static constexpr const char* kBlockName = "/REZe2Vuz001";
    static constexpr std::size_t kBlockSize = 1024;
    static constexpr std::size_t kTextLength = 93;                 // sequence digit + 23 four-digit codes
    static constexpr std::size_t kContentLength = 2 * kTextLength; // text, then as many spaces
    static constexpr std::int16_t kShareOn = -1;                   // the "Share Data Memory" switch

    explicit SharedReport(SharedMemory& memory, std::string blockName = kBlockName);

    // ReportToggle back to 0, so the next report starts with "1".
    void reset() { m_reportToggle = 0; }
    std::int16_t ReportToggle() const { return m_reportToggle; }

    // The report text of a raw status frame (as received, before offset correction): the digit of
    // toggle, then frame bytes 2..24 as "0000". Empty when the frame is shorter than 25 bytes.
    static std::string reportText(int toggle, std::span<const std::uint8_t> rawFrame);

    // What goes to the start of the block: the text followed by as many spaces.
    static std::vector<std::uint8_t> blockContent(const std::string& text);

    // Writes a report text to the named block; false when the block could not be written.
    bool PublishReport(const std::string& name, const std::string& text);

    // After an accepted frame: while shareMemory is -1, flips ReportToggle and publishes the
    // report. Otherwise nothing happens. Returns whether a report was written.
    bool publishFrame(std::span<const std::uint8_t> rawFrame, std::int16_t shareMemory);

    // The same for a caller that keeps the sequence digit itself (the link engine): publishes the
    // report with that digit while shareMemory is -1; ReportToggle is left alone.
    bool publishFrame(std::span<const std::uint8_t> rawFrame, int sequenceDigit, std::int16_t shareMemory);

    // The switch changed: when it is no longer -1 the block is removed so readers stop seeing
    // stale readings.
    void applyShareSwitch(std::int16_t shareMemory);

    // Removes the block.
    void withdraw();

private:
    SharedMemory& m_memory;
    std::string m_blockName;
    std::int16_t m_reportToggle = 0;
};

} // namespace vrx
