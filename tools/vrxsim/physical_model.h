#pragma once
// A small cooling loop: heat loads, coolant and component temperatures, fans, pumps and flow
// meters. Deterministic for a given seed and stepped in simulated time, so tests run it fast.
#include <array>
#include <cstdint>

namespace vrxsim {

inline constexpr int kChannels = 10, kFans = 6, kPumps = 2, kFlowMeters = 2;

enum class SensorState { Ok, Open, Short };

// The outputs as the last control frame set them.
struct Drive {
    std::array<int, kFans> fanPower{100, 100, 100, 100, 100, 100}; // percent
    std::array<int, kPumps> pumpStep{31, 31};                      // voltage table position 0..31
    std::array<int, kFlowMeters> flowModel{1, 1};
    std::array<int, kFlowMeters> tube{1, 1};
};

class PhysicalModel {
public:
    PhysicalModel(int boardType, std::uint64_t seed);

    void setDrive(const Drive& d) { m_drive = d; }
    const Drive& drive() const { return m_drive; }
    void setPumpStopped(int pump, bool stopped);   // pump 1..2
    void setSensor(int channel, SensorState s);    // channel 1..10
    void setOverheat(int channel, double degrees); // climbs toward degrees
    void clearOverheat(int channel);               // returns to the model's value

    // Advances the model by dt seconds of simulated time.
    void step(double dt);

    int boardType() const { return m_board; }
    double coolantC() const { return m_coolant; }
    double channelC(int channel) const; // 1..10, what the sensor would read
    double fanRpm(int fan) const;       // 1..6
    double pumpRpm(int pump) const;     // 1..2
    double flowLpm(int meter) const;    // 1..2

    // Status frame values: temperature code (C + 62, or 1 / 254), tachs in 30 rpm units, flow counts.
    std::uint8_t tempCode(int channel);
    std::uint8_t fanTach(int fan);
    std::uint8_t pumpTach(int pump);
    std::uint8_t flowCount(int meter);

    bool channelLive(int channel) const { return channel <= 5 * m_board; }
    bool fanLive(int fan) const { return fan <= 3 * m_board; }
    bool pumpLive(int pump) const { return pump <= m_board; }

private:
    void subStep(double dt);
    double noise(double amplitude); // triangular, -amplitude..amplitude
    double flowFraction() const;    // effective loop flow 0..1 from the live pumps

    int m_board;
    std::uint64_t m_rng;
    Drive m_drive;
    double m_coolant = 0;
    double m_loadFactor = 1.0;                // slow drift of the heat loads
    std::array<double, kChannels> m_excess{}; // component temperature above coolant
    std::array<double, kChannels> m_overheatGoal{};
    std::array<bool, kChannels> m_overheat{};
    std::array<double, kChannels> m_extra{}; // scripted climb above the model
    std::array<SensorState, kChannels> m_sensor{};
    std::array<double, kFans> m_fanRpm{};
    std::array<double, kFans> m_fanMax{};
    std::array<double, kPumps> m_pumpRpm{};
    std::array<double, kPumps> m_pumpMax{};
    std::array<bool, kPumps> m_pumpStopped{};
};

// Litres per minute per flow count for a meter model and tubing (other codes count as 2).
double flowFactor(int model, int tube);

} // namespace vrxsim
