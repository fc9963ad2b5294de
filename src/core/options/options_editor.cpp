#include "options/options_editor.h"

#include <stdexcept>

#include "diag/messages.h"
#include "link/control_frame.h"
#include "measure/flow.h"
#include "measure/number_value.h"
#include "safety/limit_fields.h"

namespace vrx {

namespace {
constexpr int kOffsetMessage = 121, kOffsetRangeMessage = 122, kPortMessage = 200;
constexpr int kScanGivenUp = 29; // scan ticks after which scanning has stopped

int choice(int code, int first, int last, int fallback) {
    return code >= first && code <= last ? code : fallback;
}

Int16 code(bool on) {
    return on ? Int16{1} : Int16{0};
}

Int16 flag(bool on) {
    return on ? kTrue : kFalse;
}

template <std::size_t N> std::array<bool, N> drawn(const std::array<Int16, N>& flags) {
    std::array<bool, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = flags[i] == 1;
    return out;
}

template <std::size_t N> void storeDrawn(std::array<Int16, N>& flags, const std::array<bool, N>& on) {
    for (std::size_t i = 0; i < N; ++i)
        flags[i] = code(on[i]);
}

// The port box: empty means any port (scanning), else a whole number 1..255; 0 stands for empty.
std::optional<int> portTextValue(const std::string& text) {
    if (trimmed(text).empty()) return 0;
    return wholeNumberIn(text, PortMap::kFirstPort, PortMap::kLastPort);
}

std::size_t at(int index, std::size_t size) {
    if (index < 0 || static_cast<std::size_t>(index) >= size)
        throw std::out_of_range("OptionsEditor: no such row");
    return static_cast<std::size_t>(index);
}

// The colour of a swatch in the fields, writable when the fields are.
template <class Values> auto& colorSlot(Values& v, Swatch swatch, int index) {
    switch (swatch) {
    case Swatch::Temp:
        return v.tempColor[at(index, v.tempColor.size())];
    case Swatch::Fan:
        return v.fanColor[at(index, v.fanColor.size())];
    case Swatch::Pump:
        return v.pumpColor[at(index, v.pumpColor.size())];
    case Swatch::Flow:
        return v.flowColor[at(index, v.flowColor.size())];
    case Swatch::Graph:
        break;
    }
    return v.graphColor[at(index, v.graphColor.size())];
}
} // namespace

std::vector<PortEntry> portEntries(const PortMap& map, const std::vector<int>& numbers) {
    std::vector<PortEntry> out;
    for (const int n : numbers) {
        const std::string device = map.deviceName(n);
        out.push_back({n, device.empty() ? std::to_string(n) : std::to_string(n) + "  (" + device + ")"});
    }
    return out;
}

void OptionsEditor::mOpenCFG(const Settings& s, const LinkState& link, std::vector<PortEntry> ports) {
    const SysMain& sys = s.sys;
    OptionValues& v = m_values;
    m_ports = std::move(ports);
    m_names = s.temp.TempName;
    m_devices = boardDevices(sys.BoardType);

    v.shareMemory = sys.ShareMemory == kTrue;
    v.debugLog = sys.DebugLog == kTrue;
    v.trayIndex = sys.StartHidden == kTrue ? 1 : 0;
    v.fixedPort = sys.FixedComPort != 0;
    const int shown = v.fixedPort ? sys.FixedComPort : sys.ComPort;
    v.portText = shown == 0 ? std::string() : std::to_string(shown);
    if (sys.ComPort >= 1) {
        m_portState = "ON";
        m_scanCaption = "Stop";
    } else if (link.ScanAttempts > kScanGivenUp) {
        m_portState = "OFF";
        m_scanCaption = "Scan";
    } else {
        m_portState = "Scanning...";
        m_scanCaption = "Stop";
    }

    v.startIndex = sys.AutoStart == 1 ? 1 : 0;
    v.cycleMode = choice(sys.CycleMode, 0, 4, 1);
    v.cycleTimeIndex = choice(sys.CycleTimeIndex, 0, 3, 1);
    v.tempUnit = choice(s.temp.TempUnit, 1, 2, 1);
    v.flowUnit = choice(s.pump.FlowUnit, kFlowUnitLpm, kFlowUnitGpm, kFlowUnitLpm);
    for (std::size_t m = 0; m < 2; ++m) {
        v.flowModel[m] = choice(s.pump.FlowMeterModel[m], 1, 2, 1);
        v.tubeSize[m] = choice(s.pump.TubeSize[m], 1, 2, 1);
    }

    v.graphColor = {sys.GraphBackColor, sys.GraphTextColor, sys.GraphGridColor};
    v.tempColor = s.temp.TempColor;
    v.fanColor = s.fan.FanColor;
    v.pumpColor = s.pump.PumpColor;
    v.flowColor = s.pump.FlowColor;
    v.tempGraph = drawn(s.temp.TempGraphOn);
    v.fanGraph = drawn(s.fan.FanGraphOn);
    v.pumpGraph = drawn(s.pump.PumpGraphOn);
    v.flowGraph = drawn(s.pump.FlowGraphOn);
    for (std::size_t i = 0; i < v.offsetText.size(); ++i)
        v.offsetText[i] = std::to_string(s.temp.TempOffset[i]);
}

const std::string& OptionsEditor::channelName(int channel) const {
    return m_names[at(channel, m_names.size())];
}

void OptionsEditor::showLinkState(const LinkStateView& view) {
    m_portState = view.optionsPortLabel;
    m_scanCaption = view.scanCaption;
    if (view.portBox >= 0) m_values.portText = std::to_string(view.portBox);
}

void OptionsEditor::VScroll1_Change(int channel, int position) {
    m_values.offsetText[at(channel, m_values.offsetText.size())] = std::to_string(-position);
}

void OptionsEditor::TxtOffset_DblClick(int channel) {
    m_values.offsetText[at(channel, m_values.offsetText.size())] = "0";
}

std::optional<int> OptionsEditor::scrollPosition(int channel) const {
    const auto value = wholeNumberIn(m_values.offsetText[at(channel, m_values.offsetText.size())],
                                     -kOffsetLimit, kOffsetLimit);
    if (!value) return std::nullopt;
    return -*value;
}

bool OptionsEditor::TxtOffset_LostFocus(int channel, Dialogs& dialogs) const {
    const std::string& text = m_values.offsetText[at(channel, m_values.offsetText.size())];
    if (scrollPosition(channel)) return true;
    // A whole number out of range gets the range too; anything else (fractions included, which
    // would be cut silently) only the request to correct it.
    warnOffset(channel, wholeNumberIn(text, -1'000'000, 1'000'000).has_value(), dialogs);
    return false;
}

void OptionsEditor::warnOffset(int channel, bool numeric, Dialogs& dialogs) const {
    std::string text = MessageText(kOffsetMessage);
    if (numeric) text += "\n\n" + MessageText(kOffsetRangeMessage);
    text += "\n\n" + std::string("Temperature offset of ") + channelName(channel) +
            ": a whole number from -" + std::to_string(kOffsetLimit) + " to " + std::to_string(kOffsetLimit) +
            ".";
    dialogs.standardBox(kGeneralTitle, text, BoxIcon::Warning, BoxButtons::Ok);
}

void OptionsEditor::warnPort(Dialogs& dialogs) const {
    dialogs.standardBox(
        kCaption, MessageText(kPortMessage) + "\n\nPort: a whole number from 1 to 255, or empty to scan.",
        BoxIcon::Warning, BoxButtons::Ok);
}

Int32 OptionsEditor::color(Swatch swatch, int index) const {
    return colorSlot(m_values, swatch, index);
}

bool OptionsEditor::pickColor(Swatch swatch, int index, Dialogs& dialogs) {
    Int32& target = colorSlot(m_values, swatch, index);
    const std::optional<std::int32_t> chosen = dialogs.chooseColor(target);
    if (!chosen) return false;
    target = *chosen;
    return true;
}

std::optional<int> OptionsEditor::fixedPortValue() const {
    if (!m_values.fixedPort) return 0;
    return portTextValue(m_values.portText);
}

bool OptionsEditor::isButtonScan_Click(Settings& s, OptionsHost& host, Dialogs& dialogs) const {
    if (m_scanCaption != "Scan") {
        host.stopLink();
        return true;
    }
    const std::optional<int> port = portTextValue(m_values.portText);
    if (!port) {
        warnPort(dialogs);
        return false;
    }
    if (m_values.fixedPort) s.sys.FixedComPort = static_cast<Int16>(*port);
    host.startScan();
    return true;
}

std::optional<RefusedField> OptionsEditor::checkFields(Dialogs& dialogs) const {
    for (int i = 0; i < static_cast<int>(m_values.offsetText.size()); ++i)
        if (!TxtOffset_LostFocus(i, dialogs)) return RefusedField{OptionField::Offset, i};
    if (!fixedPortValue()) {
        warnPort(dialogs);
        return RefusedField{OptionField::Port, 0};
    }
    return std::nullopt;
}

std::optional<RefusedField> OptionsEditor::save(Settings& s, ControllerState& state, LiveGraph& graph,
                                                OptionsHost& host, Dialogs& dialogs) const {
    if (auto refused = checkFields(dialogs)) return refused;
    const OptionValues& v = m_values;
    SysMain& sys = s.sys;

    const Int16 oldFixed = sys.FixedComPort;
    sys.FixedComPort = static_cast<Int16>(*fixedPortValue());
    sys.ShareMemory = flag(v.shareMemory);
    sys.DebugLog = flag(v.debugLog);
    sys.StartHidden = v.trayIndex == 0 ? kFalse : kTrue;
    sys.CycleMode = static_cast<Int16>(v.cycleMode);
    sys.CycleTimeIndex = static_cast<Int16>(v.cycleTimeIndex);
    sys.AutoStart = code(v.startIndex == 1);
    sys.GraphBackColor = v.graphColor[kGraphBack];
    sys.GraphTextColor = v.graphColor[kGraphText];
    sys.GraphGridColor = v.graphColor[kGraphGrid];
    for (std::size_t k = 0; k < v.offsetText.size(); ++k)
        s.temp.TempOffset[k] =
            static_cast<Int16>(*wholeNumberIn(v.offsetText[k], -kOffsetLimit, kOffsetLimit));
    s.temp.TempUnit = static_cast<Int16>(v.tempUnit);
    // A damaged unit code reads as LPM, as the dialog showed it: the limits are not converted.
    const int oldFlowUnit = choice(s.pump.FlowUnit, kFlowUnitLpm, kFlowUnitGpm, kFlowUnitLpm);
    s.pump.FlowUnit = static_cast<Int16>(v.flowUnit);
    if (v.flowUnit != oldFlowUnit && !convertFlowLimits(s.pump, v.flowUnit))
        host.logError("FrmOption.mOptionSave", "A flow limit is not a number and keeps its text");
    for (std::size_t m = 0; m < 2; ++m) {
        s.pump.FlowMeterModel[m] = static_cast<Int16>(v.flowModel[m]);
        s.pump.TubeSize[m] = static_cast<Int16>(v.tubeSize[m]);
    }
    storeDrawn(s.temp.TempGraphOn, v.tempGraph);
    storeDrawn(s.fan.FanGraphOn, v.fanGraph);
    storeDrawn(s.pump.PumpGraphOn, v.pumpGraph);
    storeDrawn(s.pump.FlowGraphOn, v.flowGraph);
    s.temp.TempColor = v.tempColor;
    s.fan.FanColor = v.fanColor;
    s.pump.PumpColor = v.pumpColor;
    s.pump.FlowColor = v.flowColor;

    ControlArray& b = state.ControlBytes;
    b[ct::TempUnit] = s.temp.TempUnit;
    b[ct::FlowModel1] = s.pump.FlowMeterModel[0];
    b[ct::Tube1] = s.pump.TubeSize[0];
    b[ct::FlowModel2] = s.pump.FlowMeterModel[1];
    b[ct::Tube2] = s.pump.TubeSize[1];

    // A new fixed port the link is not already on: the link must leave its port and look there.
    if (sys.FixedComPort != oldFixed && sys.FixedComPort != 0 && sys.FixedComPort != sys.ComPort) {
        host.stopLink();
        host.startScan();
    }
    host.setAutoStart(sys.AutoStart == 1);
    graph.showModeGroup(s);
    host.refreshGraph();
    host.saveSystemFile();
    return std::nullopt;
}

} // namespace vrx
