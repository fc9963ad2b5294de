#pragma once
// The fan and pump level commands of the menus and the keyboard: they change the level settings
// and tables, write the outputs of fixed levels into the control frame and save the settings.
#include <functional>
#include <string>

#include "link/controller_state.h"
#include "outputs/output_bytes.h"
#include "outputs/outputs_host.h"

namespace vrx {

class OutputLevels {
public:
    OutputLevels(Settings& settings, OutputBytes& bytes, OutputsHost& host)
        : m_settings(settings), m_bytes(bytes), m_host(host) {}

    // A click on item `item` of the submenu of unit `unit` (0 = all fans / all pumps).
    void mFanSelect(int unit, int item);
    void mPumpSelect(int unit, int item);
    // Keyboard whole-group levels: item 3 (Level 1) or 12 (Level 10), with a balloon.
    void mAllFansLevel(int item);
    void mAllPumpsLevel(int item);
    // "FAN" puts every fan in Auto; anything else every pump.
    void mAllAuto(const std::string& kind);

    // Why outputs may not be lowered now ("" when they may): while it has a reason, all pumps
    // to Level 1 is refused, and any command whose lower power was held back says why.
    std::function<std::string()> alarmReason;
    // Shows the reason as a warning balloon when the last writes were held back by an alarm.
    void reportRefusal();

private:
    void select(OutputKind kind, int unit, int item, const std::string& procedure);
    void setGroupLevel(OutputKind kind, int item, const std::string& procedure);
    void allLevel(OutputKind kind, int item, const std::string& procedure);
    void save();

    Settings& m_settings;
    OutputBytes& m_bytes;
    OutputsHost& m_host;
};

} // namespace vrx
