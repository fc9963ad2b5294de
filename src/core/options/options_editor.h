#pragma once
// The options dialog's editor (FrmOption): port choice and manual scanning, start-up switches,
// error log and shared-memory switches, units, temperature offsets, flow meters and tubing, and
// the live graph's series, colours and group. It holds the dialog's fields; nothing reaches the
// settings until save(), which checks every field before it stores any.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "iface/dialogs.h"
#include "link/controller_state.h"
#include "link/link_host.h"
#include "link/link_state.h"
#include "link/port_map.h"
#include "options/options_host.h"
#include "recording/live_graph.h"
#include "settings/settings_record.h"

namespace vrx {

inline constexpr int kOffsetLimit = 100; // offsets run from -100 to 100

// A port the dialog offers: its number and what the user sees ("3  (/dev/ttyUSB0)").
struct PortEntry {
    int number = 0;
    std::string label;
    bool operator==(const PortEntry&) const = default;
};
// The given port numbers with the names of their devices.
std::vector<PortEntry> portEntries(const PortMap& map, const std::vector<int>& numbers);

// A field Save or the scan button refused; the user was told which one.
enum class OptionField { Offset, Port };
struct RefusedField {
    OptionField field;
    int index = 0; // offset channel 0..9
    bool operator==(const RefusedField&) const = default;
};

// The colour swatches: series colours per channel, and the graph's background, text and grid.
enum class Swatch { Temp, Fan, Pump, Flow, Graph };
inline constexpr int kGraphBack = 0, kGraphText = 1, kGraphGrid = 2;

struct OptionValues {
    std::string portText;
    bool fixedPort = false;
    int trayIndex = 0;  // 0 " On" (window shown at start), 1 "Off"
    int startIndex = 0; // 0 "Off", 1 " On" (start at login)
    bool debugLog = false;
    bool shareMemory = false;
    int cycleMode = 1;      // 0 auto-cycle, 1..4 a group
    int cycleTimeIndex = 1; // 0..3
    int tempUnit = 1;       // 1 C, 2 F
    std::array<std::string, 10> offsetText;
    int flowUnit = 1; // 1 LPM, 2 GPM
    std::array<int, 2> flowModel{1, 1};
    std::array<int, 2> tubeSize{1, 1};
    std::array<bool, 10> tempGraph{};
    std::array<bool, 6> fanGraph{};
    std::array<bool, 2> pumpGraph{};
    std::array<bool, 2> flowGraph{};
    std::array<Int32, 10> tempColor{};
    std::array<Int32, 6> fanColor{};
    std::array<Int32, 2> pumpColor{};
    std::array<Int32, 2> flowColor{};
    std::array<Int32, 3> graphColor{}; // back, text, grid
    bool operator==(const OptionValues&) const = default;
};

class OptionsEditor {
public:
    static constexpr const char* kCaption = " Setting";

    // Fills the fields from the settings and the link (mOpenCFG). Out-of-range codes of a damaged
    // file show as the default choice.
    void mOpenCFG(const Settings& s, const LinkState& link, std::vector<PortEntry> ports);

    OptionValues& values() { return m_values; }
    const OptionValues& values() const { return m_values; }
    const std::vector<PortEntry>& ports() const { return m_ports; }
    const std::string& channelName(int channel) const;

    // Rows the controller type has: 5 or 10 temperatures, 3 or 6 fans, 1 or 2 pumps and meters.
    int tempRows() const { return 5 * m_devices; }
    int fanRows() const { return 3 * m_devices; }
    int deviceRows() const { return m_devices; }

    // Link state as the dialog shows it: "ON", "OFF" or "Scanning...", and "Stop" or "Scan".
    const std::string& portState() const { return m_portState; }
    const std::string& scanCaption() const { return m_scanCaption; }
    // The link changed state while the dialog is open.
    void showLinkState(const LinkStateView& view);

    // Offsets. A scroll position is -offset (up raises the offset).
    void VScroll1_Change(int channel, int position);
    void TxtOffset_DblClick(int channel);
    // The scroll position the box's text stands for; none unless it is a whole number in range.
    std::optional<int> scrollPosition(int channel) const;
    // Leaving a box: a text that is not a whole number in range is refused with a warning.
    bool TxtOffset_LostFocus(int channel, Dialogs& dialogs) const;

    // A swatch's colour, and the desktop's colour chooser for it (false when cancelled).
    Int32 color(Swatch swatch, int index) const;
    bool pickColor(Swatch swatch, int index, Dialogs& dialogs);

    // The scan button: "Scan" checks the port box (the fixed port takes it when "Fixed" is
    // checked) and starts scanning; "Stop" ends the link. False when the port box is refused.
    bool isButtonScan_Click(Settings& s, OptionsHost& host, Dialogs& dialogs) const;

    // Every field Save stores, checked in the dialog's order; the first refused one is warned
    // about, with its name, and returned.
    std::optional<RefusedField> checkFields(Dialogs& dialogs) const;

    // Checks every field, then stores them all, updates the control bytes and the graph's group,
    // and has the host restart the link on a new port, update start at login, redraw the graph
    // and save the system file. On a refused field nothing is stored.
    std::optional<RefusedField> save(Settings& s, ControllerState& state, LiveGraph& graph, OptionsHost& host,
                                     Dialogs& dialogs) const;

private:
    std::optional<int> fixedPortValue() const;
    void warnOffset(int channel, bool numeric, Dialogs& dialogs) const;
    void warnPort(Dialogs& dialogs) const;

    OptionValues m_values;
    std::vector<PortEntry> m_ports;
    std::array<std::string, 10> m_names;
    int m_devices = 1;
    std::string m_portState;
    std::string m_scanCaption;
};

} // namespace vrx
