#include "safety/alarm_settings.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "diag/messages.h"
#include "link/control_frame.h"
#include "measure/temperature.h"

namespace vrx {

namespace {
constexpr const char* kCheckTitle = "Alarm";
constexpr const char* kFileTitle = "Open WAVE file";
constexpr const char* kFileFilter = "WAVE Files (*.wav)|*.wav|All Files(*.*)|*.*";
constexpr const char* kRefusedTitle = "Open wav file";
constexpr int kInvalidWav = 112, kNeedWav = 113;
constexpr std::size_t kShortTitle = 2;
constexpr Int16 kRaisedShutdown = 100;

std::string fileTitle(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool endsInWav(const std::string& title) {
    if (title.size() < 3) return false;
    std::string tail = title.substr(title.size() - 3);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return tail == "WAV";
}
} // namespace

void AlarmSettings::mFirstSetup(const Settings& s) {
    loadCommon(s, s.temp.TempAlarmLimit, kSliderMax, kCheckTitle);
    m_silent = s.sys.AlarmMute == kTrue;
    m_logFolder = s.sys.LogFolder;
    for (int i = 0; i < kLimitChannels; ++i) {
        const auto c = static_cast<std::size_t>(i);
        m_on[c] = s.temp.TempAlarmOn[c] == 1;
        m_sounds[c] = {s.temp.TempWavTitle[c], s.temp.TempWavFile[c]};
    }
    for (std::size_t j = 0; j < kLimitDevices; ++j) {
        m_limits.pump[j] = {s.pump.PumpAlarmOn[j] == 1, pumpLimitText(s.pump.PumpAlarmLimit[j])};
        m_limits.flow[j] = {s.pump.FlowAlarmOn[j] == 1, s.pump.FlowAlarmLimit[j]};
    }
}

std::string AlarmSettings::limitLabel(int channel) const {
    return tempText(limit(channel)) + (tempUnit() == kUnitCelsius ? "   C" : "   F");
}

void AlarmSettings::Slider1_Scroll(int k, int v) {
    m_sliders.set(k, v);
    if (!groupOn() || k >= channels()) return;
    const std::optional<int> d = m_sliders.groupDelta(k, v);
    if (!d) return;
    // Values beyond the slider's range stop at its end.
    for (int i = 0; i < channels(); ++i)
        if (i != k) m_sliders.set(i, reference(i) + *d);
}

AlarmSettings::Sound& AlarmSettings::sound(int channel) {
    if (channel < 0 || channel >= kLimitChannels) throw std::out_of_range("AlarmSettings: no such channel");
    return m_sounds[static_cast<std::size_t>(channel)];
}

const AlarmSettings::Sound& AlarmSettings::sound(int channel) const {
    if (channel < 0 || channel >= kLimitChannels) throw std::out_of_range("AlarmSettings: no such channel");
    return m_sounds[static_cast<std::size_t>(channel)];
}

const std::string& AlarmSettings::soundTitle(int channel) const {
    return sound(channel).title;
}

const std::string& AlarmSettings::soundPath(int channel) const {
    return sound(channel).path;
}

std::string AlarmSettings::soundTip(int channel) const {
    const Sound& s = sound(channel);
    return s.title.size() > kShortTitle ? " " + s.path + " " : std::string();
}

bool AlarmSettings::ImgFile_Click(int channel, Dialogs& dialogs, const AlarmSound& player) {
    Sound& target = sound(channel);
    const std::string path = dialogs.openFile({kFileTitle, kFileFilter, ".wav", m_logFolder});
    if (path.empty()) return false;
    const std::string title = fileTitle(path);
    // A file the alarm could not play would leave an alarm silent without the beeper standing in.
    if (!endsInWav(title) || !player.playable(path)) {
        dialogs.standardBox(kRefusedTitle, MessageText(kInvalidWav) + "\n\n" + MessageText(kNeedWav),
                            BoxIcon::Warning, BoxButtons::Ok);
        return false;
    }
    target = {title, path};
    return true;
}

void AlarmSettings::mnu_clear(int channel) {
    sound(channel) = {};
}

bool AlarmSettings::ImgWav_Click(int channel, AlarmSound& player) const {
    const std::string& path = sound(channel).path;
    return !path.empty() && player.playOnce(path);
}

bool AlarmSettings::save(Settings& s, ControlArray& control) const {
    if (!limitsValid()) return false;
    s.sys.AlarmMute = m_silent ? kTrue : kFalse;
    for (int i = 0; i < channels(); ++i) {
        const auto c = static_cast<std::size_t>(i);
        s.temp.TempAlarmOn[c] = flag(m_on[c]);
        s.temp.TempAlarmLimit[c] = static_cast<Int16>(limit(i));
        s.temp.TempWavTitle[c] = m_sounds[c].title;
        s.temp.TempWavFile[c] = m_sounds[c].path;
        if (s.temp.TempAlarmLimit[c] > s.temp.TempShutdownLimit[c])
            s.temp.TempShutdownLimit[c] = kRaisedShutdown;
        control[ct::TempAlarm + c] = m_on[c] ? static_cast<Int16>(limit(i) + kTempCodeOffset) : kOffCode;
    }
    for (std::size_t j = 0; j < static_cast<std::size_t>(devices()); ++j) {
        s.pump.PumpAlarmLimit[j] = m_limits.pump[j].text;
        s.pump.PumpAlarmOn[j] = flag(m_limits.pump[j].on);
        s.pump.FlowAlarmLimit[j] = trimmed(m_limits.flow[j].text);
        s.pump.FlowAlarmOn[j] = flag(m_limits.flow[j].on);
    }
    return true;
}

} // namespace vrx
