#pragma once
// The power-adjust dialog's editor: what Level 1..10 give one fan or pump, or all of them.
#include <array>
#include <string>

#include "outputs/levels.h"
#include "outputs/output_bytes.h"
#include "settings/settings_record.h"

namespace vrx {

class PowerAdjust {
public:
    // unit 0 = all fans (pumps), else fan 1..6 or pump 1..2.
    PowerAdjust(OutputKind kind, int unit);

    // Slider values from the unit's column of its level table.
    void Form_Load(const Settings& s);

    OutputKind kind() const { return m_kind; }
    int unit() const { return m_unit; }
    std::string caption() const;
    int sliderMax() const;

    // Level n = 1..10; a value is kept within 1..sliderMax().
    int value(int n) const;
    void setValue(int n, int v);
    // "(35%)" for fans, "(8.06V)" for pumps.
    std::string valueLabel(int n) const;
    std::string valueText(int v) const;

    // The tables' default powers; nothing is stored.
    void mDefault();

    // Writes the values into the level table (the unit's column, or every column for unit 0),
    // then gives outputs at a fixed level their new power. The caller saves the system file.
    void save(Settings& s, OutputBytes& out) const;

private:
    std::size_t index(int n) const;
    void mSaveLevelData(Settings& s) const;
    void mBuffSet(const Settings& s, OutputBytes& out) const;

    OutputKind m_kind;
    int m_unit;
    std::array<int, kLevels> m_values{};
};

} // namespace vrx
