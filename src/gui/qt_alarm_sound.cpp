#include "qt_alarm_sound.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <filesystem>

namespace vrx::gui {
namespace {

void start(QSoundEffect& effect, const std::string& path, int loops) {
    effect.stop();
    effect.setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    effect.setLoopCount(loops);
    effect.play(); // starts once loaded when the file is still loading
}

} // namespace

QtAlarmSound::QtAlarmSound(QObject* parent) : QObject(parent) {}
QtAlarmSound::~QtAlarmSound() = default;

QSoundEffect& QtAlarmSound::effect(std::unique_ptr<QSoundEffect>& slot) {
    if (!slot) slot = std::make_unique<QSoundEffect>();
    return *slot;
}

bool QtAlarmSound::playLooping(const std::string& path) {
    if (!playable(path)) {
        stop(); // whatever played is replaced, also by nothing
        return false;
    }
    start(effect(m_loop), path, QSoundEffect::Infinite);
    return true;
}

void QtAlarmSound::stop() {
    if (m_loop) m_loop->stop();
}

bool QtAlarmSound::playOnce(const std::string& path) {
    if (!playable(path)) return false;
    start(effect(m_once), path, 1);
    return true;
}

bool QtAlarmSound::playable(const std::string& path) const {
    std::error_code ec;
    // Only regular files: a FIFO or device would block the window when read.
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return false;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

} // namespace vrx::gui
