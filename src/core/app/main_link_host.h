#pragma once
#include <functional>

#include "app/main_program.h"
#include "link/link_host.h"
#include "link/shared_report.h"
#include "shell/balloon_tip.h"

namespace vrx {

// Connects the controller link to the rest of the program: window, logs, readings, report.
class MainLinkHost : public LinkHost {
public:
    MainLinkHost(MainProgram& program, MainView& view, SharedReport& report, BalloonTip& balloons);

    // Called with the delay after which a balloon that was shown must be taken down.
    std::function<void(int ms)> scheduleBalloonExpiry;
    // Called when the link is lost, after the readings are cleared.
    std::function<void()> onLinkLost;
    // Called with every link state shown, for windows that show it too.
    std::function<void(const LinkStateView&)> onLinkState;

    void logError(const std::string& name, int number, const std::string& description) override;
    void saveSystemFile() override;
    void rearrangeLayout() override;
    void setTimerEnabled(LinkTimer timer, bool enabled) override;
    void showLinkState(const LinkStateView& state) override;
    void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon, int seconds) override;
    void statusFrameAccepted(const RawStatusFrame& raw) override;
    void publishReport(const RawStatusFrame& raw, int sequenceDigit) override;
    void displayOff() override;
    void setVersionLabel(const std::string& text) override;

private:
    MainProgram& m_program;
    MainView& m_view;
    SharedReport& m_report;
    BalloonTip& m_balloons;
};

MainTimer toMainTimer(LinkTimer timer);

} // namespace vrx
