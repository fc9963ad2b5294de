#pragma once
// Finds the controller on a serial port, polls it once a second, sends the control frame when
// something changed, and notices when the link is lost. Timers belong to the app, which calls the
// tick methods; the engine only says which timers should run.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "iface/clock.h"
#include "iface/serial_port.h"
#include "link/control_frame.h"
#include "link/controller_state.h"
#include "link/link_host.h"
#include "link/link_state.h"
#include "link/status_frame.h"
#include "settings/settings_record.h"

namespace vrx {

// Leading text of the main window's version label.
inline constexpr const char* kLinkBalloonTitle = "ZADa2.1";
inline constexpr int kScanBudget = 30;     // the 30th scan tick gives up
inline constexpr int kMissedPollLimit = 5; // silent polls before the link counts as lost
inline constexpr int kKeepAliveIdlePolls = 10;
inline constexpr int kPumpHoldPolls = 7;
// Said once per run when a port exists but this user may not open it.
inline constexpr const char* kPortAccessHint =
    "You need access to the serial ports: on Debian, membership of the dialout group "
    "(sudo adduser $USER dialout), then log in again.";

class LinkEngine {
public:
    // Start-up/fixed-port probes show "ON" before mComActOn; scan probes clear ComPort first and
    // call mComActOn before showing "ON".
    enum class ProbeVariant { Startup, Scan };
    enum class ProbeStart { Pending, Failed };
    // Whether a port number may have a device behind it; numbers it rejects are never opened.
    using PortFilter = std::function<bool(int)>;

    LinkEngine(Settings& settings, ControllerState& controller, SerialPort& port, const Clock& clock,
               LinkHost& host, std::string appDir);

    void setPortCandidates(PortFilter filter) { m_candidates = std::move(filter); }

    void ResetLinkState();
    bool PortExists(int port);
    void ListComPorts();

    // Opens `port` and sends CmdIdentify; the answer is awaited by probeTick(). Failed means the
    // port could not be opened or written; the probe is then over.
    ProbeStart ProbePort(int port, ProbeVariant variant);
    // Call every ~20 ms while probePending(): takes the reply once 40 bytes are waiting, or gives
    // up when the clock's whole second has moved on by one since the probe started.
    void probeTick();
    bool probePending() const { return m_probe.active; }

    // The 40-byte control frame from ControlBytes, written at once. Throws LinkError/SerialError.
    void SendControlFrame();

    void TimerScan_Timer();
    void TimerCom_Timer();
    void mComActOn();
    void LinkOff();
    void ShowLinkState(const std::string& state);
    void StartScan();
    void StopLink();
    // Starts scanning again, but only while the window shows the link as off; true when it did.
    bool restartScanIfOff();
    // Lists the ports, then probes the fixed port or the one used last time; on failure starts
    // scanning (or shows "OFF" when no port exists).
    void startupLink();

    void AppendLogLine(const std::string& line, const std::string& name);

    // The error-log name of a failing poll: the time, ":r-com:", the port and " L:0".
    static std::string pollErrorName(const LocalDateTime& time, int comPort);
    std::string versionLabelText() const;

    LinkState& state() { return m_state; }
    const LinkState& state() const { return m_state; }
    bool timerRunning(LinkTimer timer) const { return m_timers[static_cast<std::size_t>(timer)]; }
    bool scanPassActive() const { return m_owner != ProbeOwner::None; }
    // The link state last shown ("SCAN", "OFF", "ON"); empty before the first.
    const std::string& shownState() const { return m_shownState; }

private:
    enum class ProbeOwner { None, Startup, ScanList, ScanFixed };
    struct Probe {
        bool active = false;
        int port = 0;
        ProbeVariant variant = ProbeVariant::Startup;
        LocalDateTime startTime;
        std::int64_t startSecond = 0;
    };

    void pollOnce();
    void paceAndSend(ControlFrame& frame, bool changed);
    bool acceptReply(const Bytes& reply);
    void finishProbe(bool ok);
    void startupFailed();
    void advanceScanPass();
    void cancelProbe();
    void sendAfterLink(const char* procedure);
    void setTimer(LinkTimer timer, bool enabled);
    void balloon(const std::string& text, BalloonIcon icon);
    // A port that refused this user: says so with the way out, the first time only.
    void accessDenied(const std::string& procedure, const SerialAccessDenied& e);
    void logError(const std::string& name, int number, const std::string& description);
    std::int64_t wholeSecond() const { return m_clock.monotonicMs() / 1000; }
    std::int16_t& comPort() { return m_settings.sys.ComPort; }

    Settings& m_settings;
    ControllerState& m_controller;
    SerialPort& m_port;
    const Clock& m_clock;
    LinkHost& m_host;
    std::string m_appDir;
    PortFilter m_candidates;
    LinkState m_state;
    std::array<bool, kLinkTimerCount> m_timers{};
    Probe m_probe;
    ProbeOwner m_owner = ProbeOwner::None;
    std::vector<int> m_passPorts;
    std::size_t m_passNext = 0;
    std::string m_shownState;
    bool m_accessHintGiven = false;
};

} // namespace vrx
