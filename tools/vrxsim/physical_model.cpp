#include "vrxsim/physical_model.h"

#include <algorithm>
#include <cmath>

namespace vrxsim {
namespace {

constexpr double kAmbientC = 24.0;
constexpr double kCoolantJoulePerK = 4000.0; // about a litre of water and the metal around it
constexpr double kPassiveWattPerK = 6.0;     // radiator with every fan stopped
constexpr double kFanWattPerK = 8.0;         // per fan at 2,000 rpm
constexpr double kComponentTau = 8.0;        // seconds for a block to settle over the coolant
constexpr double kFanTau = 0.4;              // fan spin-up / spin-down, seconds
constexpr double kPumpTau = 1.0;
constexpr double kClimbPerSecond = 2.0; // scripted temperature change rate
constexpr double kSubStep = 0.1;
constexpr double kFanMinRpm = 300.0, kPumpMinRpm = 1500.0, kPumpNominalRpm = 3500.0;

// Heat load (W) and rise over the coolant per watt (K/W) at full flow, per channel: coolant,
// processor, graphics, chipset, case, second graphics, memory, drives, regulators, reservoir.
constexpr std::array<double, kChannels> kLoadW{0, 95, 150, 15, 10, 120, 10, 8, 20, 0};
constexpr std::array<double, kChannels> kRisePerW{0, 0.20, 0.10, 0.40, 0.30, 0.10, 0.50, 0.50, 0.40, 0};

std::uint8_t clampByte(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

double approach(double value, double target, double tau, double dt) {
    return value + (target - value) * (1.0 - std::exp(-dt / tau));
}

} // namespace

double flowFactor(int model, int tube) {
    if (model == 1) return tube == 1 ? 0.304 : 0.276;
    return tube == 1 ? 0.251 : 0.159;
}

PhysicalModel::PhysicalModel(int boardType, std::uint64_t seed)
    : m_board(boardType == 1 ? 1 : 2), m_rng(seed ^ 0x5DEECE66Dull) {
    for (auto& m : m_fanMax)
        m = 1850.0 + noise(150.0);
    for (auto& m : m_pumpMax)
        m = kPumpNominalRpm + noise(100.0);
    // Start settled for the power-on drive, as if the box had been running a while.
    for (int t = 0; t < 600; ++t)
        subStep(1.0);
}

void PhysicalModel::setPumpStopped(int pump, bool stopped) {
    if (pump >= 1 && pump <= kPumps) m_pumpStopped[pump - 1] = stopped;
}

void PhysicalModel::setSensor(int channel, SensorState s) {
    if (channel >= 1 && channel <= kChannels) m_sensor[channel - 1] = s;
}

void PhysicalModel::setOverheat(int channel, double degrees) {
    if (channel < 1 || channel > kChannels) return;
    m_overheat[channel - 1] = true;
    m_overheatGoal[channel - 1] = degrees;
}

void PhysicalModel::clearOverheat(int channel) {
    if (channel >= 1 && channel <= kChannels) m_overheat[channel - 1] = false;
}

double PhysicalModel::noise(double amplitude) {
    // splitmix64: tiny, and the same sequence on every platform for a given seed.
    auto next = [this] {
        std::uint64_t z = (m_rng += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<double>((z ^ (z >> 31)) >> 11) / 9007199254740992.0;
    };
    return (next() + next() - 1.0) * amplitude;
}

double PhysicalModel::flowFraction() const {
    double sum = 0;
    for (int p = 1; p <= m_board; ++p)
        sum += m_pumpRpm[p - 1] / kPumpNominalRpm;
    return sum / m_board;
}

void PhysicalModel::step(double dt) {
    while (dt > 1e-9) {
        const double h = std::min(dt, kSubStep);
        subStep(h);
        dt -= h;
    }
}

void PhysicalModel::subStep(double dt) {
    for (int f = 0; f < kFans; ++f) {
        const int p = std::clamp(m_drive.fanPower[f], 0, 100);
        const double target =
            (p == 0 || !fanLive(f + 1)) ? 0.0 : kFanMinRpm + (m_fanMax[f] - kFanMinRpm) * p / 100.0;
        m_fanRpm[f] = approach(m_fanRpm[f], target, kFanTau, dt);
    }
    for (int q = 0; q < kPumps; ++q) {
        const int s = std::clamp(m_drive.pumpStep[q], 0, 31);
        const double target = (m_pumpStopped[q] || !pumpLive(q + 1))
                                  ? 0.0
                                  : kPumpMinRpm + (m_pumpMax[q] - kPumpMinRpm) * s / 31.0;
        m_pumpRpm[q] = approach(m_pumpRpm[q], target, kPumpTau, dt);
    }

    // Less flow carries less heat to the radiator and lets the blocks run hotter over the coolant.
    const double flowShare = std::min(1.0, flowFraction() / 0.5);
    double conductance = kPassiveWattPerK;
    for (int f = 0; f < kFans; ++f)
        conductance += kFanWattPerK * m_fanRpm[f] / 2000.0;
    conductance *= 0.25 + 0.75 * flowShare;

    m_loadFactor += (1.0 - m_loadFactor) * dt / 120.0 + noise(0.01) * std::sqrt(dt);
    m_loadFactor = std::clamp(m_loadFactor, 0.85, 1.15);

    double load = 0;
    for (int c = 0; c < kChannels; ++c)
        if (channelLive(c + 1)) load += kLoadW[c] * m_loadFactor;
    m_coolant += (load - conductance * (m_coolant - kAmbientC)) * dt / kCoolantJoulePerK;
    if (m_coolant < kAmbientC - 1) m_coolant = kAmbientC; // first step from power-on

    const double riseScale = 1.0 + 2.0 * (1.0 - flowShare);
    for (int c = 0; c < kChannels; ++c) {
        m_excess[c] =
            approach(m_excess[c], kLoadW[c] * m_loadFactor * kRisePerW[c] * riseScale, kComponentTau, dt);
        const double goal = m_overheat[c] ? m_overheatGoal[c] - (m_coolant + m_excess[c]) : 0.0;
        const double maxMove = kClimbPerSecond * dt;
        m_extra[c] += std::clamp(goal - m_extra[c], -maxMove, maxMove);
    }
}

double PhysicalModel::channelC(int channel) const {
    const int c = channel - 1;
    return m_coolant + m_excess[c] + m_extra[c];
}

double PhysicalModel::fanRpm(int fan) const {
    return m_fanRpm[fan - 1];
}
double PhysicalModel::pumpRpm(int pump) const {
    return m_pumpRpm[pump - 1];
}

double PhysicalModel::flowLpm(int meter) const {
    const int m = meter - 1;
    const double nominal = m_drive.tube[m] == 1 ? 4.5 : 2.8; // wider tubing passes more
    return pumpLive(meter) ? nominal * m_pumpRpm[m] / kPumpNominalRpm : 0.0;
}

std::uint8_t PhysicalModel::tempCode(int channel) {
    if (!channelLive(channel)) return 1;
    switch (m_sensor[channel - 1]) {
    case SensorState::Open:
        return 1;
    case SensorState::Short:
        return 254;
    case SensorState::Ok:
        break;
    }
    const double c = std::clamp(channelC(channel) + noise(0.35), -30.0, 130.0);
    return clampByte(std::round(c) + 62);
}

std::uint8_t PhysicalModel::fanTach(int fan) {
    const double rpm = m_fanRpm[fan - 1];
    return rpm < 1 ? 0 : clampByte((rpm + noise(rpm * 0.01)) / 30.0);
}

std::uint8_t PhysicalModel::pumpTach(int pump) {
    const double rpm = m_pumpRpm[pump - 1];
    return rpm < 1 ? 0 : clampByte((rpm + noise(rpm * 0.01)) / 30.0);
}

std::uint8_t PhysicalModel::flowCount(int meter) {
    const double lpm = flowLpm(meter);
    if (lpm < 0.01) return 0;
    const int m = meter - 1;
    return clampByte(lpm * (1.0 + noise(0.02)) / flowFactor(m_drive.flowModel[m], m_drive.tube[m]));
}

} // namespace vrxsim
