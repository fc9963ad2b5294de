#include "link/shared_report.h"

#include <cstdio>
#include <utility>

namespace vrx {

namespace {
constexpr std::size_t kFirstReportedByte = 2;
constexpr std::size_t kLastReportedByte = 24;
} // namespace

SharedReport::SharedReport(SharedMemory& memory, std::string blockName)
    : m_memory(memory), m_blockName(std::move(blockName)) {}

std::string SharedReport::reportText(int toggle, std::span<const std::uint8_t> rawFrame) {
    if (rawFrame.size() <= kLastReportedByte) return {};
    std::string text = toggle == 0 ? "0" : "1";
    for (std::size_t k = kFirstReportedByte; k <= kLastReportedByte; ++k) {
        char code[8];
        std::snprintf(code, sizeof code, "%04u", static_cast<unsigned>(rawFrame[k]));
        text += code;
    }
    return text;
}

std::vector<std::uint8_t> SharedReport::blockContent(const std::string& text) {
    std::vector<std::uint8_t> content(text.begin(), text.end());
    content.resize(2 * text.size(), static_cast<std::uint8_t>(' '));
    return content;
}

bool SharedReport::PublishReport(const std::string& name, const std::string& text) {
    const std::vector<std::uint8_t> content = blockContent(text);
    if (content.size() > kBlockSize) return false;
    return m_memory.write(name, kBlockSize, content.data(), content.size());
}

bool SharedReport::publishFrame(std::span<const std::uint8_t> rawFrame, std::int16_t shareMemory) {
    if (shareMemory != kShareOn || rawFrame.size() <= kLastReportedByte) return false;
    m_reportToggle = m_reportToggle == 0 ? 1 : 0;
    return PublishReport(m_blockName, reportText(m_reportToggle, rawFrame));
}

bool SharedReport::publishFrame(std::span<const std::uint8_t> rawFrame, int sequenceDigit,
                                std::int16_t shareMemory) {
    if (shareMemory != kShareOn || rawFrame.size() <= kLastReportedByte) return false;
    return PublishReport(m_blockName, reportText(sequenceDigit, rawFrame));
}

void SharedReport::applyShareSwitch(std::int16_t shareMemory) {
    if (shareMemory != kShareOn) withdraw();
}

void SharedReport::withdraw() {
    m_memory.unlink(m_blockName);
}

} // namespace vrx
