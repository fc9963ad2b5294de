#include "safety/limit_editor.h"

#include <stdexcept>

namespace vrx {

namespace {
std::size_t channelAt(int channel) {
    if (channel < 0 || channel >= kLimitChannels) throw std::out_of_range("LimitEditor: no such channel");
    return static_cast<std::size_t>(channel);
}
std::size_t deviceAt(int unit) {
    if (unit < 0 || unit >= kLimitDevices) throw std::out_of_range("LimitEditor: no such unit");
    return static_cast<std::size_t>(unit);
}
} // namespace

void LimitEditor::loadCommon(const Settings& s, const std::array<Int16, kLimitChannels>& sliderValues,
                             int sliderMax, const std::string& checkTitle) {
    m_boardType = s.sys.BoardType;
    m_tempUnit = s.temp.TempUnit;
    m_flowUnit = s.pump.FlowUnit;
    m_names = s.temp.TempName;
    m_pumpNames = s.pump.PumpName;
    m_flowNames = s.pump.FlowName;
    m_checkTitle = checkTitle;
    m_sliders.load(sliderValues, sliderMax, s.sys.SliderGroup);
}

const std::string& LimitEditor::channelName(int channel) const {
    return m_names[channelAt(channel)];
}

const std::string& LimitEditor::pumpName(int unit) const {
    return m_pumpNames[deviceAt(unit)];
}

const std::string& LimitEditor::flowName(int unit) const {
    return m_flowNames[deviceAt(unit)];
}

bool LimitEditor::channelOn(int channel) const {
    return m_on[channelAt(channel)];
}

void LimitEditor::setChannelOn(int channel, bool on) {
    m_on[channelAt(channel)] = on;
}

void LimitEditor::ChkChAll_Click(bool on) {
    m_on.fill(on);
}

std::optional<LimitField> LimitEditor::checkLimits(Dialogs& dialogs) const {
    const std::optional<LimitField> bad = m_limits.firstInvalid(devices());
    if (bad) warnInvalidLimit(dialogs, m_checkTitle, *bad);
    return bad;
}

} // namespace vrx
