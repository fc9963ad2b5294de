#include "settings/system_file.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "text/cp1252.h"

namespace vrx {
namespace {

// The field lists below are the file layout. Both directions walk the same list, so the writer and
// the reader cannot drift apart. R is the record, const for writing.

template <class R, class Io> void layoutTemp(R& t, Io& io) {
    io(t.TempName);
    io(t.TempWavTitle);
    io(t.TempWavFile);
    io(t.TempRecord);
    io(t.TempAlarmLimit);
    io(t.TempShutdownLimit);
    io(t.TempAlarmOn);
    io(t.TempShutdownOn);
    io(t.TempGraphOn);
    io(t.TempColor);
    io(t.TempUnit);
    io(t.TempOffset);
}

template <class R, class Io> void layoutFan(R& f, Io& io) {
    io(f.FanGroup);
    io(f.FanName);
    io(f.FanColor);
    io(f.FanGraphOn);
    io(f.FanRecord);
    io(f.FanLevel);
    io(f.FanAutoSensor);
    io(f.FanAutoLevelLow);
    io(f.FanAutoLevelMid);
    io(f.FanAutoLevelHigh);
    io(f.FanAutoTempLow);
    io(f.FanAutoTempMid);
    io(f.FanAutoTempHigh);
    io(f.FanNoHysteresis);
}

template <class R, class Io> void layoutPump(R& p, Io& io) {
    io(p.PumpGroup);
    io(p.FlowUnit);
    io(p.FlowName);
    io(p.FlowAlarmLimit);
    io(p.PumpAlarmLimit);
    io(p.FlowShutdownLimit);
    io(p.FlowShutdownOn);
    io(p.FlowMeterModel);
    io(p.FlowAlarmOn);
    io(p.FlowGraphOn);
    io(p.FlowColor);
    io(p.PumpShutdownLimit);
    io(p.PumpShutdownOn);
    io(p.PumpAlarmOn);
    io(p.FlowRecord);
    io(p.PumpName);
    io(p.PumpGraphOn);
    io(p.PumpRecord);
    io(p.PumpColor);
    io(p.TubeSize);
    io(p.PumpLevel);
    io(p.PumpAutoSensor);
    io(p.PumpAutoLevelLow);
    io(p.PumpAutoLevelMid);
    io(p.PumpAutoLevelHigh);
    io(p.PumpAutoTempLow);
    io(p.PumpAutoTempMid);
    io(p.PumpAutoTempHigh);
    io(p.PumpNoHysteresis);
}

template <class R, class Io> void layoutSys(R& m, Io& io) {
    io(m.ComPort);
    io(m.FixedComPort);
    io(m.StartHidden);
    io(m.CreatedVersion);
    io(m.ShareMemory);
    io(m.FileVersion);
    io(m.LogFolder);
    io(m.AutoStart);
    io(m.SliderGroup);
    io(m.ShutdownAction);
    io(m.ShutdownDelay);
    io(m.RecordContinuous);
    io(m.Recording);
    io(m.RecordPeriodIndex);
    io(m.CycleMode);
    io(m.CycleTimeIndex);
    io(m.CycleItem);
    io(m.BoardType);
    io(m.GraphBackColor);
    io(m.GraphTextColor);
    io(m.GraphGridColor);
    io(m.AlwaysOnTop);
    io(m.WindowPos);
    io(m.HoverPopupOff);
    io(m.PumpLevelTable.cells); // first index fastest, as in the file
    io(m.FanLevelTable.cells);
    io(m.DebugLog);
    io(m.AlarmMute);
    io(m.FanBarStyle);
}

template <class R, class Io> void layoutTest(R& d, Io& io) {
    io(d.PumpTestPumps);
    io(d.PumpTestValues); // (L, k) at L + 17 * k, first index fastest
    io(d.PumpTestPumpText);
    io(d.PumpTestFlowText);
    io(d.PumpTestTubeText1);
    io(d.PumpTestTubeText2);
}

template <class S, class Io> void layoutAll(S& s, Io& io) {
    layoutTemp(s.temp, io);
    layoutFan(s.fan, io);
    layoutPump(s.pump, io);
    layoutSys(s.sys, io);
    layoutTest(s.test, io);
}

// The length prefix holds at most this many bytes; longer text is cut so the layout stays intact.
constexpr std::size_t kMaxStringBytes = 0xFFFF;

class Writer {
public:
    void operator()(Int16 v) { putLE(static_cast<std::uint16_t>(v), 2); }
    void operator()(Int32 v) { putLE(static_cast<std::uint32_t>(v), 4); }
    void operator()(double v) { putLE(std::bit_cast<std::uint64_t>(v), 8); }
    void operator()(const std::string& v) {
        std::string bytes = utf8ToCp1252(v);
        if (bytes.size() > kMaxStringBytes) bytes.resize(kMaxStringBytes);
        putLE(bytes.size(), 2);
        m_out.insert(m_out.end(), bytes.begin(), bytes.end());
    }
    template <class T, std::size_t N> void operator()(const std::array<T, N>& a) {
        for (const T& e : a)
            (*this)(e);
    }
    std::vector<std::uint8_t> take() { return std::move(m_out); }

private:
    void putLE(std::uint64_t v, int size) {
        for (int i = 0; i < size; ++i)
            m_out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> m_out;
};

// Reads into the fields in place and stops at the first field that does not fit; the fields after
// it are left alone.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> in) : m_in(in) {}

    void operator()(Int16& v) {
        if (std::uint64_t raw; getLE(2, raw)) v = static_cast<Int16>(static_cast<std::uint16_t>(raw));
    }
    void operator()(Int32& v) {
        if (std::uint64_t raw; getLE(4, raw)) v = static_cast<Int32>(static_cast<std::uint32_t>(raw));
    }
    void operator()(double& v) {
        if (std::uint64_t raw; getLE(8, raw)) v = std::bit_cast<double>(raw);
    }
    void operator()(std::string& v) {
        std::uint64_t length = 0;
        if (!getLE(2, length)) return;
        // The length is checked against what is left before anything is allocated.
        if (length > m_in.size() - m_pos) {
            m_failed = true;
            return;
        }
        const auto* first = reinterpret_cast<const char*>(m_in.data() + m_pos);
        v = cp1252ToUtf8(std::string_view(first, static_cast<std::size_t>(length)));
        m_pos += static_cast<std::size_t>(length);
    }
    template <class T, std::size_t N> void operator()(std::array<T, N>& a) {
        for (T& e : a)
            (*this)(e);
    }
    bool failed() const { return m_failed; }

private:
    bool getLE(std::size_t size, std::uint64_t& out) {
        if (m_failed || size > m_in.size() - m_pos) {
            m_failed = true;
            return false;
        }
        out = 0;
        for (std::size_t i = 0; i < size; ++i)
            out |= std::uint64_t{m_in[m_pos + i]} << (8 * i);
        m_pos += size;
        return true;
    }
    std::span<const std::uint8_t> m_in;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

template <class R, class F> std::vector<std::uint8_t> encode(const R& r, F layout) {
    Writer w;
    layout(r, w);
    return w.take();
}

} // namespace

std::vector<std::uint8_t> serializeSettings(const Settings& s) {
    Writer w;
    layoutAll(s, w);
    return w.take();
}

std::vector<std::uint8_t> serializeRecord(const TempSettings& r) {
    return encode(r, [](const TempSettings& x, Writer& w) { layoutTemp(x, w); });
}
std::vector<std::uint8_t> serializeRecord(const FanSettings& r) {
    return encode(r, [](const FanSettings& x, Writer& w) { layoutFan(x, w); });
}
std::vector<std::uint8_t> serializeRecord(const PumpFlowSettings& r) {
    return encode(r, [](const PumpFlowSettings& x, Writer& w) { layoutPump(x, w); });
}
std::vector<std::uint8_t> serializeRecord(const SysMain& r) {
    return encode(r, [](const SysMain& x, Writer& w) { layoutSys(x, w); });
}
std::vector<std::uint8_t> serializeRecord(const PumpTestData& r) {
    return encode(r, [](const PumpTestData& x, Writer& w) { layoutTest(x, w); });
}

LoadOutcome parseSettings(std::span<const std::uint8_t> bytes, Settings& s) {
    Reader r(bytes);
    layoutAll(s, r);
    if (r.failed()) return {kInputPastEnd, kInputPastEndText};
    return {};
}

} // namespace vrx
